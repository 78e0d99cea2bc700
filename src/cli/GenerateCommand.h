#pragma once

#include "cli/CommandLine.h"
#include "workbench/IconFiles.h"

#include <string>

namespace ornadeck::cli {

// How generate reads the icon pictures it writes as bitmaps, and the formats that reads.
struct IconReading {
    PictureReader read;
    std::string formats;
};

// `ornadeck-cli generate`: writes a project's PocketC source. It runs to 0 on success and 1
// when the project cannot be generated or an icon cannot be read.
Command addGenerateCommand(CLI::App& tool, IconReading icons, std::ostream& out, std::ostream& err);

// `generate` alone, as the tool runs it, reading BMP icons only; 2 for wrong arguments.
int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

} // namespace ornadeck::cli
