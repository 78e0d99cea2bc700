#include "cli/Tool.h"

#include "cli/CheckCommand.h"
#include "cli/CommandLine.h"
#include "cli/GenerateCommand.h"
#include "cli/PngFile.h"
#include "cli/RenderCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

namespace ornadeck::cli {

namespace {

// The check command's options on the tool's command line; the command itself reads them
// back in its own words, so one parser decides what they mean.
Command addCheckCommand(CLI::App& tool, const std::filesystem::path& fontFolder, std::ostream& out,
                        std::ostream& err) {
    struct Options {
        std::vector<std::string> inputs;
        std::string format = "text";
        bool werror = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* app = tool.add_subcommand(
        "check", "Find what will not compile or not show on the handheld, before it does");
    app->add_option("files", options->inputs, "One project (.ozp), or form files (.ozf)")
        ->type_name("PROJECT.ozp | FORM.ozf ...")
        ->required();
    app->add_option("--format", options->format, "How findings are printed: text or json")
        ->type_name("text|json")
        ->check(CLI::IsMember({"text", "json"}));
    app->add_flag("--werror", options->werror, "Fail on warnings too");
    return {app, [options, fontFolder, &out, &err] {
                std::vector<std::string> words = options->inputs;
                words.insert(words.end(), {"--format", options->format});
                if (options->werror) words.emplace_back("--werror");
                const std::vector<std::string_view> args(words.begin(), words.end());
                return runCheck(args, fontFolder, out, err);
            }};
}

} // namespace

int runTool(const std::vector<std::string_view>& args, const std::filesystem::path& fontFolder,
            std::ostream& out, std::ostream& err) {
    const auto tool = makeToolCommandLine();
    const std::vector<Command> commands{
        addGenerateCommand(*tool, {readIconPicture, "PNG or BMP"}, out, err),
        addCheckCommand(*tool, fontFolder, out, err), addRenderCommand(*tool, fontFolder, out, err),
        // Further commands: one add...Command line each, in the order --help lists them.
    };
    return runCommandLine(*tool, commands, args, out, err);
}

} // namespace ornadeck::cli
