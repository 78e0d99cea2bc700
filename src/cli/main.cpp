// ornadeck-cli: the designer's work without a screen.
#include "cli/Tool.h"
#include "render/FontFolder.h"
#include "render/PalmFonts.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto fonts = ornadeck::fontFolderFor(ornadeck::PalmFonts::programFolder());
    return ornadeck::cli::runTool(args, fonts, std::cout, std::cerr);
}
