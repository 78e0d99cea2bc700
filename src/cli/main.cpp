// ornadeck-cli: the designer's work without a screen.
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "usage: ornadeck-cli <command> [options]\n"
                                    "\n"
                                    "Commands:\n"
                                    "  help       show this text\n"
                                    "  version    show the program's version\n";

} // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "help";
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "version" || command == "--version") {
        std::cout << "ornadeck-cli 0.1\n";
        return 0;
    }
    std::cerr << "ornadeck-cli: unknown command '" << command << "'\n\n" << kUsage;
    return 2;
}
