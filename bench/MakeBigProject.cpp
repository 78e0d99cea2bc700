// Writes the benchmark's 50-form, 5,000-control project to a folder, to time the whole
// ornadeck-cli generate process on it: make_big_project DIR [1|2]
#include "BigProject.h"
#include "formfile/FormFile.h"
#include "model/IniFile.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    using namespace ornadeck;
    if (argc < 2) {
        std::cerr << "usage: make_big_project DIR [1|2]\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const auto library =
        argc > 2 && std::string(argv[2]) == "2" ? Library::PToolboxLib : Library::CControls;
    std::filesystem::create_directories(dir);
    const bench::BigProject big(library, 50, 100);
    IniFile project;
    project.writeInt("Project", "Lib", static_cast<int>(library));
    for (std::size_t i = 0; i < big.forms.size(); ++i) {
        const std::string file = big.forms[i]->name() + ".ozf";
        if (Status s = saveFormFile(*big.forms[i], dir / file, *big.kits.current().sections); !s) {
            std::cerr << s.message() << "\n";
            return 1;
        }
        project.writeString("ActiveForms", "Form" + std::to_string(i), file);
    }
    if (Status s = project.save(dir / "Big.ozp"); !s) {
        std::cerr << s.message() << "\n";
        return 1;
    }
    std::cout << (dir / "Big.ozp").string() << "\n";
    return 0;
}
