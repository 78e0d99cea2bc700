// ornadeck-cli: the designer's work without a screen.
#include "cli/CheckCommand.h"
#include "cli/GenerateCommand.h"
#include "cli/RenderCommand.h"
#include "render/PalmFonts.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: ornadeck-cli <command> [options]\n"
    "\n"
    "Commands:\n"
    "  generate PROJECT.ozp [--out DIR] [--memos | --pde] [--first FORM]\n"
    "             write the project's PocketC source (and icons for the PDE target)\n"
    "  check PROJECT.ozp | FORM.ozf ... [--format text|json] [--werror]\n"
    "             find what will not compile or not show on the handheld\n"
    "  render FORM.ozf -o OUT.png [--scale N] [--device]\n"
    "             draw the form's screen (or, with --device, the whole designer picture)\n"
    "  help       show this text\n"
    "  version    show the program's version\n";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const std::string_view command = args.empty() ? "help" : args.front();
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "version" || command == "--version") {
        std::cout << "ornadeck-cli 0.1\n";
        return 0;
    }
    if (command == "generate")
        return ornadeck::cli::runGenerate({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (command == "check")
        return ornadeck::cli::runCheck({args.begin() + 1, args.end()},
                                       ornadeck::PalmFonts::programFolder(), std::cout, std::cerr);
    if (command == "render")
        return ornadeck::cli::runRender({args.begin() + 1, args.end()},
                                        ornadeck::PalmFonts::programFolder(), std::cout, std::cerr);
    std::cerr << "ornadeck-cli: unknown command '" << command << "'\n\n" << kUsage;
    return 2;
}
