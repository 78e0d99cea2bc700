#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace ornadeck::cli {

// One command of the tool: the subcommand holding its options, and what runs once they
// are parsed (0 done, 1 failed).
struct Command {
    CLI::App* app = nullptr;
    std::function<int()> run;
};

// Adds a command to the tool's command line; its output goes to `out` and `err`.
using AddCommand = std::function<Command(CLI::App& tool, std::ostream& out, std::ostream& err)>;

// The tool's command line before any command: --help, --help-all and --version.
std::unique_ptr<CLI::App> makeToolCommandLine();

// Parses `args` (without the program name) and runs the command they name. --help and
// --version print on `out` with status 0, as does no argument at all; wrong arguments print
// "ornadeck-cli[ COMMAND]: what is wrong" and where the help is on `err`, with status 2.
int runCommandLine(CLI::App& tool, const std::vector<Command>& commands,
                   const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

// One command alone, exactly as the tool runs it with `name` before `args`.
int runCommandAlone(const AddCommand& add, std::string_view name,
                    const std::vector<std::string_view>& args, std::ostream& out,
                    std::ostream& err);

} // namespace ornadeck::cli
