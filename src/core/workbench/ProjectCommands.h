#pragma once

#include "model/Status.h"
#include "workbench/ProjectLock.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ornadeck {

class Form;
class LibraryKits;
class Settings;
class Ui;
struct Workspace;

// What writing a project came to: the project file's own write, and whether every visible
// form was saved with it (a form whose file dialog or replace question was declined, or
// whose write failed, is not).
struct ProjectSave {
    Status file;
    bool formsSaved = true;
    // The user chose not to write over a project file someone else changed: nothing written.
    bool declined = false;
    bool complete() const { return file.ok() && formsSaved && !declined; }
};

// The main window's project commands: new, open, save, close, recent projects, open form.
// Every question goes through the Ui, so Cancel and No paths are plain to test.
class ProjectCommands {
  public:
    ProjectCommands(Workspace& workspace, Ui& ui, Settings& settings, const LibraryKits& kits,
                    std::function<bool(int)> processIsRunning = {});

    // A command that closes the project stops, changing nothing, when the user cancels or
    // when the save the user asked for does not happen in full.
    bool newProject();
    bool openProject();
    // Opens the project at `path` (a recent one, or one named on the command line), after
    // the usual save question; a file that is gone is reported.
    bool openProjectFile(const std::string& path);
    // True only when the project file and every visible form were written.
    bool saveProject();
    bool saveProjectAs();
    bool closeAll();
    // Asked when the program is about to close; false keeps it running.
    bool confirmQuit();
    bool openForm();
    // Open Form without the dialog: a form named on the command line.
    bool openFormAt(const std::string& path);
    // True when the generate window may open; a never-saved project is saved first.
    bool generateCode();

    // A new designer window for a form; without a name it takes the next "Form" (or "Fm")
    // number.
    Form& createForm(std::string name = {});
    // Writes the project file, saving every visible form first.
    ProjectSave writeProject(const std::string& path);
    // Reads the project at the workspace's project path.
    void readProject();
    // Reads the project file again after someone else changed it: the tool windows' places
    // and the caption. Returns the forms it lists that are there, each resolved (the others
    // are told of); nothing when it cannot be read.
    std::optional<std::vector<std::filesystem::path>> rereadProjectFile();
    // The project file is gone: the project stays open and Save Project asks for a place.
    void forgetProjectFile();
    const ProjectLock& lock() const { return lock_; }
    // Closes everything of the project without asking.
    void closeEverything();

  private:
    // False when the user cancels or a save asked for is not complete.
    bool saveChangesPrompt();
    void loadFormInto(Form& form, const std::string& path);
    // Whether to go on opening the project at `path`, another copy holding it: asks, and
    // sets the workspace's read-only mode for the answer.
    bool admitThroughLock(const std::filesystem::path& path, bool& readOnly);
    void openAt(const std::string& path, bool readOnly);
    void setCaption();

    Workspace& workspace_;
    Ui& ui_;
    Settings& settings_;
    const LibraryKits& kits_;
    ProjectLock lock_;
};

} // namespace ornadeck
