#include "workbench/FormLibraryCheck.h"

#include "model/IniFile.h"

namespace ornadeck {

namespace {

std::string libraryName(int number) {
    if (number == static_cast<int>(Library::CControls)) return "CControls";
    if (number == static_cast<int>(Library::PToolboxLib)) return "PToolboxLib";
    return "library " + std::to_string(number);
}

} // namespace

bool FormLibraryCheck::admits(const IniFile& formIni, const std::filesystem::path& path) {
    const int library = formIni.readInt("FORM", "Lib", static_cast<int>(Library::CControls));
    if (library == static_cast<int>(project_)) return true;
    skipped_.push_back(path.string() + " (" + libraryName(library) + ")");
    return false;
}

std::string FormLibraryCheck::warning() const {
    std::string text = "These forms are not of the project's library (" +
                       libraryName(static_cast<int>(project_)) + ") and were not opened:";
    for (const std::string& line : skipped_)
        text += "\n" + line;
    return text;
}

} // namespace ornadeck
