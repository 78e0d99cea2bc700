#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string>

namespace ornadeck::cli {

namespace {

constexpr std::string_view kTool = "ornadeck-cli";

// Wrong arguments: what is wrong, prefixed with the command the arguments reached, and
// where that command's help is.
int wrongArguments(const CLI::App& tool, const std::string& problem, std::ostream& err) {
    std::string path(kTool);
    for (const CLI::App* sub : tool.get_subcommands())
        path += " " + sub->get_name();
    err << path << ": " << problem << "\nRun '" << path << " --help' for more information.\n";
    return 2;
}

} // namespace

std::unique_ptr<CLI::App> makeToolCommandLine() {
    auto tool = std::make_unique<CLI::App>(
        "Generates the PocketC source of Ornadeck projects, checks their design and draws "
        "their forms, without a screen.",
        std::string(kTool));
    tool->set_help_all_flag("--help-all", "Print the help of every command and exit");
    tool->set_version_flag("--version", std::string(kTool) + " " + ORNADECK_VERSION);
    tool->require_subcommand(0, 1); // one command a run; none only for --help and --version
    return tool;
}

int runCommandLine(CLI::App& tool, const std::vector<Command>& commands,
                   const std::vector<std::string_view>& args, std::ostream& out,
                   std::ostream& err) {
    if (args.empty()) {
        out << tool.help();
        return 0;
    }
    // Options start with "-" everywhere: on Windows CLI11 would take "/path" for an option.
    tool.allow_windows_style_options(false);
    for (const Command& c : commands)
        c.app->allow_windows_style_options(false);
    // CLI11 takes the arguments last first. The `help` and `version` commands of earlier
    // versions still work.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    if (args.size() == 1 && (args[0] == "help" || args[0] == "version"))
        reversed = {"--" + std::string(args[0])};
    // "help generate" is "generate --help", as users of other tools type it.
    if (args.size() == 2 && args[0] == "help") reversed = {"--help", std::string(args[1])};
    const std::string& first = reversed.back();
    const bool isCommand = std::any_of(commands.begin(), commands.end(), [&](const Command& c) {
        return c.app->get_name() == first;
    });
    if (!isCommand && !first.starts_with('-'))
        return wrongArguments(tool, "unknown command '" + first + "'", err);
    try {
        tool.parse(std::move(reversed));
    } catch (const CLI::CallForHelp&) {
        out << tool.help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        out << tool.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << "\n";
        return 0;
    } catch (const CLI::ParseError& e) {
        return wrongArguments(tool, e.what(), err);
    }
    const auto chosen = std::find_if(commands.begin(), commands.end(),
                                     [](const Command& c) { return c.app->parsed(); });
    if (chosen == commands.end()) return wrongArguments(tool, "no command given", err);
    return chosen->run();
}

int runCommandAlone(const AddCommand& add, std::string_view name,
                    const std::vector<std::string_view>& args, std::ostream& out,
                    std::ostream& err) {
    const auto tool = makeToolCommandLine();
    const Command command = add(*tool, out, err);
    std::vector<std::string_view> all{name};
    all.insert(all.end(), args.begin(), args.end());
    return runCommandLine(*tool, {command}, all, out, err);
}

} // namespace ornadeck::cli
