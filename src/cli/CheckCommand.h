#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck::cli {

struct CheckOptions {
    std::vector<std::filesystem::path> inputs; // one project, or form files
    bool json = false;
    bool werror = false;
};

// The check command's arguments; the message says what is wrong with them.
std::optional<std::string> parseCheckArgs(const std::vector<std::string_view>& args,
                                          CheckOptions& options);

// ornadeck-cli check: prints the findings, one line each or as JSON. 0 when none is an error
// (nor, with --werror, a warning), 1 when one is or nothing could be read, 2 for wrong
// arguments. Fonts are read from `fontFolder`.
int runCheck(const std::vector<std::string_view>& args, const std::filesystem::path& fontFolder,
             std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
