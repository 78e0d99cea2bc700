#pragma once

#include "model/Library.h"
#include "model/Status.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ornadeck {

class Form;
class FormUndo;

// A form that a program which did not end normally left behind.
struct RecoveryEntry {
    std::filesystem::path file;
    std::string formName;
    std::string originalPath; // the form file it was opened from or saved to; may be empty
    std::string time;         // when it was written, local time, for the user to judge
    Library library = Library::CControls;
};

// The recovery files of unsaved forms, one per form and program run, in the per-user state
// folder. Each holds the form's file text with a header; each is written atomically, so a
// crash mid-write leaves the previous one whole.
class RecoveryFiles {
  public:
    explicit RecoveryFiles(std::filesystem::path folder, int processId);

    // $XDG_STATE_HOME/ornadeck/recovery, or ~/.local/state/ornadeck/recovery; either
    // variable may be null or empty.
    static std::filesystem::path defaultFolder(const char* xdgStateHome, const char* home);
    // The same for this system: ornadeck/recovery in the user's state folder (on Windows
    // %LOCALAPPDATA%).
    static std::filesystem::path defaultFolder();
    const std::filesystem::path& folder() const { return folder_; }

    // Writes the form's recovery file when it has changes no file holds and they changed
    // since the last write; removes it once the form is saved or undone to its saved state.
    Status keep(const Form& form, FormUndo& undo, Library library, std::time_t now);
    // The form is gone, or the program quits normally.
    void forget(const FormUndo& undo);
    void forgetAll();

    // The recovery files of runs that ended without quitting, oldest first.
    std::vector<RecoveryEntry> found() const;
    static void discard(const RecoveryEntry& entry);
    // The form text of an entry, ready for the library's section readers.
    static Status readForm(const RecoveryEntry& entry, class IniFile& form);

  private:
    std::filesystem::path fileOf(int undoId) const;
    // Written by this very object: a form still open here.
    bool isOwn(const std::filesystem::path& file) const;

    std::filesystem::path folder_;
    int processId_;
    // What was written last for each form: the revision of its history.
    std::map<int, std::uint64_t> written_;
};

} // namespace ornadeck
