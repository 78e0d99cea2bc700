#pragma once

#include "model/Status.h"

#include <string>

namespace ornadeck {

class Form;
class LibraryKits;
class Settings;
class Ui;
struct Workspace;

// The main window's project commands: new, open, save, close, recent projects, open form.
// Every question goes through the Ui, so Cancel and No paths are plain to test.
class ProjectCommands {
  public:
    ProjectCommands(Workspace& workspace, Ui& ui, Settings& settings, const LibraryKits& kits);

    bool newProject();
    bool openProject();
    bool openRecent(const std::string& path);
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

    // A new designer window for a form; an empty name takes the next "Form" number.
    Form& nuevoForm(std::string name);
    // Writes the project file, saving every visible form first.
    Status guardaProyecto(const std::string& path);
    // Reads the project at the workspace's project path.
    void abrirProyecto();
    // Closes everything of the project without asking.
    void cerrarTodo();

  private:
    // False when the user cancels.
    bool saveChangesPrompt();
    bool openProjectAt(const std::string& path);
    void loadFormInto(Form& form, const std::string& path);

    Workspace& workspace_;
    Ui& ui_;
    Settings& settings_;
    const LibraryKits& kits_;
};

} // namespace ornadeck
