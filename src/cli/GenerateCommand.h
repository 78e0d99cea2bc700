#pragma once

#include "cli/CommandLine.h"

namespace ornadeck::cli {

// `ornadeck-cli generate`: writes a project's PocketC source. It runs to 0 on success and 1
// when the project cannot be generated.
Command addGenerateCommand(CLI::App& tool, std::ostream& out, std::ostream& err);

// `generate` alone, as the tool runs it; 2 for wrong arguments.
int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
