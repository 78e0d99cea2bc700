#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace ornadeck::cli {

// ornadeck-cli generate: 0 on success, 1 when the project cannot be generated, 2 for wrong
// arguments.
int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
