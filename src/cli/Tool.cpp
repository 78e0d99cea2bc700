#include "cli/Tool.h"

#include "cli/CommandLine.h"
#include "cli/GenerateCommand.h"
#include "cli/RenderCommand.h"

#include <CLI/CLI.hpp>

namespace ornadeck::cli {

int runTool(const std::vector<std::string_view>& args, const std::filesystem::path& fontFolder,
            std::ostream& out, std::ostream& err) {
    const auto tool = makeToolCommandLine();
    const std::vector<Command> commands{
        addGenerateCommand(*tool, out, err), addRenderCommand(*tool, fontFolder, out, err),
        // Further commands: one add...Command line each, in the order --help lists them.
    };
    return runCommandLine(*tool, commands, args, out, err);
}

} // namespace ornadeck::cli
