#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

namespace ornadeck::cli {

// The whole of ornadeck-cli: `args` without the program name; `render` draws with the fonts
// of `fontFolder`. Returns the exit status.
int runTool(const std::vector<std::string_view>& args, const std::filesystem::path& fontFolder,
            std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
