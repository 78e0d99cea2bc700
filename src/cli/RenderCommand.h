#pragma once

#include "cli/CommandLine.h"

#include <filesystem>

namespace ornadeck::cli {

// `ornadeck-cli render`: draws a form into a PNG file with the fonts of `fontFolder`. It
// runs to 0 on success and 1 when the form cannot be drawn or written.
Command addRenderCommand(CLI::App& tool, const std::filesystem::path& fontFolder, std::ostream& out,
                         std::ostream& err);

// `render` alone, as the tool runs it; 2 for wrong arguments.
int runRender(const std::vector<std::string_view>& args, const std::filesystem::path& fontFolder,
              std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
