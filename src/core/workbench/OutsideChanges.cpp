#include "workbench/OutsideChanges.h"

#include "designer/FormEditor.h"
#include "model/Form.h"
#include "model/Ui.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "workbench/ProjectCommands.h"

#include <algorithm>

namespace ornadeck {

namespace fs = std::filesystem;

namespace {

bool samePath(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return a.lexically_normal() == b.lexically_normal();
}

Message reloadQuestion(const fs::path& path, std::string consequence, bool unsavedEdits) {
    std::string text = platform::utf8Of(path) + " changed on disk. Reload it?";
    if (!consequence.empty()) text += "\n\n" + consequence;
    return {std::move(text),
            "File changed",
            MessageIcon::Question,
            MessageButtons::YesNo,
            unsavedEdits ? Answer::No : Answer::Yes,
            {"Reload", "Keep"}};
}

// Marks a look as taken while it runs, so a look started from inside it does nothing.
class Busy {
  public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    bool& flag_;
};

} // namespace

DiskNews newsOf(DiskRecord& record, const FileStamp& now) {
    if (!record.known) return DiskNews::None;
    if (now.sameContent(*record.known)) {
        record.told.reset(); // back as it was: a later change is news again
        return DiskNews::None;
    }
    if (record.told && now.sameContent(*record.told)) return DiskNews::None;
    record.told = now;
    return now.exists ? DiskNews::Changed : DiskNews::Gone;
}

OutsideChanges::OutsideChanges(Workspace& workspace, Ui& ui, ProjectCommands& projects,
                               EditorOf editorOf)
    : workspace_(workspace), ui_(ui), projects_(projects), editorOf_(std::move(editorOf)) {}

std::vector<Form*> OutsideChanges::watchedForms() const {
    std::vector<Form*> forms;
    for (const auto& form : workspace_.forms)
        if (form->visible() && !form->filePath().empty()) forms.push_back(form.get());
    return forms;
}

std::vector<fs::path> OutsideChanges::watchedFiles() const {
    std::vector<fs::path> files;
    if (!workspace_.projectPath.empty()) files.push_back(workspace_.projectPath);
    for (const Form* form : watchedForms())
        files.push_back(form->filePath());
    return files;
}

void OutsideChanges::check() {
    if (checking_) return;
    Busy busy(checking_);
    checkProject();
    // After the project's reload, which may have opened and closed forms. A form's own
    // question never closes another, so the list holds while it is gone through.
    for (Form* form : watchedForms())
        if (FormEditor* editor = editorOf_(*form)) checkForm(*form, *editor);
}

void OutsideChanges::checkForm(Form& form, FormEditor& editor) {
    const fs::path path = form.filePath();
    switch (newsOf(form.disk(), stampOfFile(path))) {
    case DiskNews::None:
        return;
    case DiskNews::Gone:
        form.forgetFile();
        editor.undoStack().markUnsaved();
        ui_.showWarning(platform::utf8Of(path) + " was deleted or moved away. Form " + form.name() +
                        " stays open with its contents; Save asks where to write it.");
        return;
    case DiskNews::Changed: {
        const bool unsaved = editor.modified();
        const std::string consequence =
            unsaved ? "Reloading discards the unsaved edits of form " + form.name() + "." : "";
        if (ui_.ask(reloadQuestion(path, consequence, unsaved)) == Answer::Yes)
            (void)editor.reloadFromDisk();
        return;
    }
    }
}

void OutsideChanges::checkProject() {
    if (workspace_.projectPath.empty()) return;
    const fs::path path = workspace_.projectPath;
    switch (newsOf(workspace_.projectDisk, stampOfFile(path))) {
    case DiskNews::None:
        return;
    case DiskNews::Gone:
        projects_.forgetProjectFile();
        ui_.showWarning(platform::utf8Of(path) +
                        " was deleted or moved away. The project stays open; Save Project asks "
                        "where to write it.");
        return;
    case DiskNews::Changed:
        if (ui_.ask(reloadQuestion(path, "", false)) != Answer::Yes) return;
        if (auto listed = projects_.rereadProjectFile()) followFormList(*listed);
        return;
    }
}

void OutsideChanges::followFormList(const std::vector<fs::path>& listed) {
    std::vector<Form*> dropped;
    for (const auto& form : workspace_.forms)
        if (form->visible() && !form->filePath().empty() &&
            std::none_of(listed.begin(), listed.end(),
                         [&](const fs::path& p) { return samePath(p, form->filePath()); }))
            dropped.push_back(form.get());
    for (Form* form : dropped) {
        // The usual question; Cancel keeps the window.
        if (FormEditor* editor = editorOf_(*form))
            (void)editor->close();
        else
            form->setVisible(false);
    }
    for (const fs::path& path : listed) {
        const bool shown =
            std::any_of(workspace_.forms.begin(), workspace_.forms.end(), [&](const auto& form) {
                return form->visible() && samePath(path, form->filePath());
            });
        if (!shown) (void)projects_.openFormAt(path.string());
    }
}

} // namespace ornadeck
