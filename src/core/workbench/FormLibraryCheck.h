#pragma once

#include "model/Library.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ornadeck {

class IniFile;

// Screens the forms a project lists against the project's library. A form of the other
// library read with this project's reader would lose its controls or have them rewritten
// on the next save, so it is left unopened and its file untouched.
class FormLibraryCheck {
  public:
    explicit FormLibraryCheck(Library project) : project_(project) {}

    // True when the form file is of the project's library; otherwise the file is noted.
    // A form file without Lib is a CControls form.
    bool admits(const IniFile& formIni, const std::filesystem::path& path);

    bool anySkipped() const { return !skipped_.empty(); }
    // One line per skipped file: its path and the library it is of.
    const std::vector<std::string>& skipped() const { return skipped_; }
    // One message naming every skipped file.
    std::string warning() const;

  private:
    Library project_;
    std::vector<std::string> skipped_;
};

} // namespace ornadeck
