#pragma once

#include "model/IniFile.h"
#include "model/Library.h"
#include "model/Status.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ornadeck {

// The program's own settings, kept in options.ini. Sections this class does not know (the
// toolbar layout the desktop writes) are kept as they were read.
class Settings {
  public:
    static constexpr std::size_t kRecentLimit = 10;

    // A missing or unreadable file gives the defaults.
    static Settings load(const std::filesystem::path& path);
    // What quitting writes: "General" and the recent list. The options window's keys stay as
    // the file had them, so a choice the user never confirmed is never stored.
    Status save(const std::filesystem::path& path);
    // What the options window's OK writes: its own keys, with the rest as it was read.
    Status saveOptions(const std::filesystem::path& path);

    Library library = Library::PToolboxLib;
    bool grid = true;
    bool shortNames = false;
    bool formWhite = false;
    std::string ccontrolsPath;

    // Recent projects, newest first.
    const std::vector<std::string>& recent() const { return recent_; }
    void addRecent(const std::string& path);
    void clearRecent() { recent_.clear(); }
    // Drops the entries whose project file is gone.
    void removeObsoleteRecent();

    // The rest of the file, for sections others own (the desktop's toolbars).
    IniFile& ini() { return ini_; }

  private:
    IniFile ini_;
    std::vector<std::string> recent_;
};

} // namespace ornadeck
