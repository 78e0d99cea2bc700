#pragma once

#include "model/FileStamp.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace ornadeck {

class Form;
class FormEditor;
class ProjectCommands;
class Ui;
struct Workspace;

// What a look at a file found, against what this program last read or wrote there. A change
// the user was already told about is no news: one change asks once, however often it is seen.
enum class DiskNews { None, Changed, Gone };
DiskNews newsOf(DiskRecord& record, const FileStamp& now);

// Watches over the files the designer has open, the project's and its shown forms': when one
// changed on disk, asks whether to read it again ("Reload", or "Keep" what is shown); when one
// is gone, says so and keeps the contents for a Save to a new place.
class OutsideChanges {
  public:
    // The designer window of a shown form; forms without one are passed over.
    using EditorOf = std::function<FormEditor*(Form&)>;

    OutsideChanges(Workspace& workspace, Ui& ui, ProjectCommands& projects, EditorOf editorOf);

    // Looks at every watched file once, asking about each change. A look that starts while a
    // question of this one is open (the question's window took the focus) does nothing.
    void check();
    // The files to look at: the project file and every shown form's.
    std::vector<std::filesystem::path> watchedFiles() const;

  private:
    // The shown forms that have a file.
    std::vector<Form*> watchedForms() const;
    void checkForm(Form& form, FormEditor& editor);
    void checkProject();
    // Opens the forms the project now lists and closes, after the usual question, the shown
    // ones it no longer does.
    void followFormList(const std::vector<std::filesystem::path>& listed);

    Workspace& workspace_;
    Ui& ui_;
    ProjectCommands& projects_;
    EditorOf editorOf_;
    bool checking_ = false;
};

} // namespace ornadeck
