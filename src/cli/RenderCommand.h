#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

namespace ornadeck::cli {

// ornadeck-cli render: 0 on success, 1 when the form cannot be rendered, 2 for wrong
// arguments. Fonts are read from `fontFolder`.
int runRender(const std::vector<std::string_view>& args, const std::filesystem::path& fontFolder,
              std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
