#include "workbench/ProjectCommands.h"

#include "designer/FormSaving.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/ChangedFileGuard.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/ProjectPaths.h"
#include "model/Settings.h"
#include "model/Ui.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "workbench/FormLibraryCheck.h"

#include <filesystem>

namespace ornadeck {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCaption = "Ornadeck 1.0";

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

// The forms a project file lists, resolved from its folder: those there, and one line for
// each that is not, naming it as written and where it was looked for.
struct ListedForms {
    std::vector<fs::path> found;
    std::string missing;
};

ListedForms listedForms(const IniFile& ini, const fs::path& projectPath) {
    ListedForms out;
    for (const std::string& key : ini.keyNames("ActiveForms")) {
        const std::string written = ini.readString("ActiveForms", key, "");
        if (written.empty()) continue;
        const fs::path listed = pathFromProjectFile(written, projectPath.parent_path());
        if (fileExists(listed.string())) {
            out.found.push_back(listed);
            continue;
        }
        const std::string resolved = platform::utf8Of(listed);
        out.missing += "\n" + written + (written == resolved ? "" : " (" + resolved + ")");
    }
    return out;
}

void warnOfMissing(Ui& ui, const std::string& missing) {
    if (!missing.empty())
        ui.showWarning("These forms of the project were not found and were not opened:" + missing);
}

Message confirm(std::string text) {
    return {std::move(text), "Confirm", MessageIcon::Question, MessageButtons::YesNoCancel,
            Answer::Yes};
}

} // namespace

ProjectCommands::ProjectCommands(Workspace& workspace, Ui& ui, Settings& settings,
                                 const LibraryKits& kits, std::function<bool(int)> processIsRunning)
    : workspace_(workspace), ui_(ui), settings_(settings), kits_(kits),
      lock_(std::move(processIsRunning)) {}

bool ProjectCommands::saveChangesPrompt() {
    if (workspace_.projectOpen() && workspace_.readOnly) {
        const Message question{"Project " + workspace_.projectName +
                                   " is open read-only: its changes cannot be saved. Close it "
                                   "anyway?",
                               "Confirm", MessageIcon::Question, MessageButtons::YesNo, Answer::No};
        return ui_.ask(question) == Answer::Yes;
    }
    if (workspace_.projectOpen()) {
        const Answer a =
            ui_.ask(confirm("Save changes to project " + workspace_.projectName + "?"));
        if (a == Answer::Cancel) return false;
        // Going on after a save that did not happen would lose the work the user meant to keep.
        return a != Answer::Yes || saveProject();
    }
    // Without a project nothing else would keep the open forms: ask for each one.
    for (const auto& form : workspace_.forms) {
        if (!form->visible()) continue;
        const Answer a = ui_.ask(confirm("Save changes to form " + form->name() + "?"));
        if (a == Answer::Cancel) return false;
        if (a == Answer::Yes &&
            saveForm(*form, false, ui_, *kits_.current().sections) != SaveResult::Saved)
            return false;
    }
    return true;
}

Form& ProjectCommands::createForm(std::string name) {
    if (name.empty())
        name = (workspace_.shortNames ? "Fm" : "Form") + std::to_string(++workspace_.formCounter);
    auto owned = std::make_unique<Form>(name, workspace_.metrics);
    Form& form = *owned;
    form.surface().setTitle(name);
    if (workspace_.gridMode) {
        form.surface().setGridVisible(1);
        form.surface().setGridSpace(6);
    }
    workspace_.forms.insert(workspace_.forms.begin(), std::move(owned));
    workspace_.activate(form);
    Engine& engine = *kits_.current().engine;
    engine.rebuildComponentList(form);
    engine.clearSelection(form);
    engine.showProperties(form, nullptr);
    return form;
}

void ProjectCommands::loadFormInto(Form& form, const std::string& path) {
    const LibraryKit& kit = kits_.current();
    SectionReadContext context{form, workspace_, *kit.engine};
    if (Status s = loadFormFile(path, *kit.sections, context); !s) ui_.showError(s.message());
    workspace_.activate(form);
}

ProjectSave ProjectCommands::writeProject(const std::string& path) {
    IniFile ini;
    ProjectSave result;
    if (path == workspace_.projectPath && !mayOverwrite(path, workspace_.projectDisk, ui_)) {
        result.declined = true;
        return result;
    }
    // Keys this save does not write (the generate window's) stay as the file had them.
    if (fileExists(path))
        if (Status s = ini.load(path); !s) return {s, false};
    ini.writeString("Project", "Name", path);
    ini.writeInt("Project", "Lib", static_cast<int>(workspace_.library));
    auto writeWindow = [&](std::string_view section, const ToolWindowState& w) {
        ini.writeInt(section, "Active", w.shown ? 1 : 0);
        if (!w.shown) return;
        ini.writeInt(section, "Top", w.top);
        ini.writeInt(section, "Left", w.left);
    };
    writeWindow("Properties", workspace_.inspector);
    writeWindow("Zoom", workspace_.zoom);
    ini.eraseSection("ActiveForms");
    const FormSections& sections = *kits_.current().sections;
    for (std::size_t i = 0; i < workspace_.forms.size(); ++i) {
        Form& form = *workspace_.forms[i];
        if (!form.visible()) continue;
        if (saveForm(form, false, ui_, sections) != SaveResult::Saved) result.formsSaved = false;
        ini.writeString("ActiveForms", "Form" + std::to_string(i),
                        pathForProjectFile(form.filePath(), fs::path(path).parent_path()));
    }
    FileStamp written;
    result.file = ini.save(path, &written);
    if (!result.file) return result;
    workspace_.projectDisk.note(written);
    workspace_.caption = std::string(kCaption) + " - " + fs::path(path).filename().string();
    return result;
}

void ProjectCommands::setCaption() {
    workspace_.caption = std::string(kCaption) + " - " + workspace_.projectName +
                         (workspace_.readOnly ? " (read-only)" : "");
}

void ProjectCommands::readProject() {
    IniFile ini;
    FileStamp stamp;
    if (ini.load(workspace_.projectPath, &stamp)) workspace_.projectDisk.note(stamp);
    workspace_.projectName = fs::path(workspace_.projectPath).stem().string();
    setCaption();
    workspace_.library =
        ini.readInt("Project", "Lib", 1) == 2 ? Library::PToolboxLib : Library::CControls;
    if (ini.readInt("Zoom", "Active", 0) != 0) {
        workspace_.zoom.shown = true;
        workspace_.zoom.top = ini.readInt("Zoom", "Top", workspace_.zoom.top);
        workspace_.zoom.left = ini.readInt("Zoom", "Left", workspace_.zoom.left);
    }
    FormLibraryCheck libraryCheck(workspace_.library);
    // Missing forms are told once for all, after the forms that are there are open.
    const ListedForms listed = listedForms(ini, workspace_.projectPath);
    for (const fs::path& file : listed.found) {
        const std::string path = file.string();
        IniFile formIni;
        if (!formIni.load(path)) continue;
        const std::string name = formIni.readString("FORM", "Name", "");
        if (name.empty() || !libraryCheck.admits(formIni, path)) continue;
        loadFormInto(createForm(name), path);
    }
    if (ini.readInt("Properties", "Active", 0) != 0) {
        workspace_.inspector.shown = true;
        workspace_.inspector.top = ini.readInt("Properties", "Top", 0);
        workspace_.inspector.left = ini.readInt("Properties", "Left", 0);
    }
    workspace_.generateEnabled = true;
    if (libraryCheck.anySkipped()) ui_.showWarning(libraryCheck.warning());
    warnOfMissing(ui_, listed.missing);
}

std::optional<std::vector<fs::path>> ProjectCommands::rereadProjectFile() {
    IniFile ini;
    FileStamp stamp;
    if (Status s = ini.load(workspace_.projectPath, &stamp); !s) {
        ui_.showError(s.message());
        return std::nullopt;
    }
    workspace_.projectDisk.note(stamp);
    auto readWindow = [&](std::string_view section, ToolWindowState& w) {
        w.shown = ini.readInt(section, "Active", w.shown ? 1 : 0) != 0;
        w.top = ini.readInt(section, "Top", w.top);
        w.left = ini.readInt(section, "Left", w.left);
    };
    readWindow("Properties", workspace_.inspector);
    readWindow("Zoom", workspace_.zoom);
    ListedForms listed = listedForms(ini, workspace_.projectPath);
    warnOfMissing(ui_, listed.missing);
    return std::move(listed.found);
}

void ProjectCommands::forgetProjectFile() {
    lock_.release();
    workspace_.projectPath.clear();
    workspace_.projectDisk.forget();
}

void ProjectCommands::closeEverything() {
    lock_.release();
    workspace_.readOnly = false;
    workspace_.projectDisk.forget();
    workspace_.formCounter = 0;
    workspace_.closeAllForms();
    workspace_.zoom.shown = false;
    workspace_.inspector.shown = false;
    workspace_.generateEnabled = false;
    workspace_.caption = std::string(kCaption);
    workspace_.projectName.clear();
    workspace_.projectPath.clear();
}

bool ProjectCommands::newProject() {
    if (!saveChangesPrompt()) return false;
    auto library = ui_.chooseLibrary(workspace_.library);
    if (!library) return false;
    workspace_.library = *library;
    closeEverything();
    workspace_.projectName = "Project1";
    workspace_.caption = std::string(kCaption) + " - Project1";
    workspace_.inspector = {true, 0, 0};
    workspace_.generateEnabled = true;
    createForm();
    return true;
}

bool ProjectCommands::admitThroughLock(const fs::path& path, bool& readOnly) {
    readOnly = false;
    const std::optional<LockHolder> holder = lock_.otherHolder(path);
    if (!holder) return true;
    const Message question{platform::utf8Of(path) + " is already open in another Ornadeck (" +
                               holder->description() +
                               "). Open it read-only, open it anyway, or cancel?",
                           "Project in use",
                           MessageIcon::Question,
                           MessageButtons::YesNoCancel,
                           Answer::Yes,
                           {"Read-only", "Open anyway", "Cancel"}};
    const Answer a = ui_.ask(question);
    readOnly = a == Answer::Yes;
    return a != Answer::Cancel;
}

void ProjectCommands::openAt(const std::string& path, bool readOnly) {
    closeEverything();
    workspace_.projectPath = path;
    workspace_.readOnly = readOnly;
    // A read-only copy leaves the other program's lock alone.
    if (!readOnly) lock_.take(path);
    readProject();
}

bool ProjectCommands::openProjectFile(const std::string& path) {
    // A project that is gone is reported, and the open project stays as it was.
    if (!fileExists(path)) {
        ui_.showError("The project " + path + " does not exist.");
        return false;
    }
    if (!saveChangesPrompt()) return false;
    bool readOnly = false;
    if (!admitThroughLock(path, readOnly)) return false;
    openAt(path, readOnly);
    return true;
}

bool ProjectCommands::openProject() {
    if (!saveChangesPrompt()) return false;
    auto chosen = ui_.chooseOpenFile("Open Project", "Ornadeck Project (*.ozp)|*.ozp");
    if (!chosen) return false;
    const std::string path = chosen->string();
    if (!fileExists(path)) {
        ui_.showError("The project " + path + " does not exist.");
        return false;
    }
    bool readOnly = false;
    if (!admitThroughLock(path, readOnly)) return false;
    settings_.addRecent(path);
    openAt(path, readOnly);
    return true;
}

bool ProjectCommands::saveProject() {
    if (!workspace_.projectOpen() || workspace_.readOnly) return false;
    if (workspace_.projectPath.empty()) return saveProjectAs();
    const ProjectSave saved = writeProject(workspace_.projectPath);
    if (!saved.file) ui_.showError(saved.file.message());
    return saved.complete();
}

bool ProjectCommands::saveProjectAs() {
    if (!workspace_.projectOpen() || workspace_.readOnly) return false;
    auto chosen = ui_.chooseSaveFile("Save project", "Ornadeck project (*.ozp)|*.ozp",
                                     workspace_.projectName);
    if (!chosen) return false;
    fs::path path = *chosen;
    if (!path.has_extension()) path += ".ozp";
    if (fileExists(path.string())) {
        const Message question{path.string() + " already exists. Do you want to replace it?",
                               "New project", MessageIcon::Exclamation, MessageButtons::YesNo,
                               Answer::No};
        if (ui_.ask(question) != Answer::Yes) return false;
    }
    const ProjectSave saved = writeProject(path.string());
    if (saved.declined) return false;
    if (!saved.file) {
        ui_.showError(saved.file.message());
        return false;
    }
    // The file is written even when a form was not, so the project now lives there.
    if (path.string() != workspace_.projectPath) lock_.take(path);
    workspace_.projectPath = path.string();
    settings_.addRecent(path.string());
    workspace_.projectName = path.stem().string();
    workspace_.caption = std::string(kCaption) + " - " + workspace_.projectName;
    return saved.formsSaved;
}

bool ProjectCommands::closeAll() {
    if (!saveChangesPrompt()) return false;
    closeEverything();
    return true;
}

bool ProjectCommands::confirmQuit() { return saveChangesPrompt(); }

bool ProjectCommands::openForm() {
    auto chosen = ui_.chooseOpenFile("Open Form", "Ornadeck Form (*.ozf)|*.ozf", ".ozf");
    if (!chosen) return false;
    fs::path chosenPath = *chosen;
    if (!chosenPath.has_extension()) chosenPath += ".ozf";
    return openFormAt(chosenPath.string());
}

bool ProjectCommands::openFormAt(const std::string& path) {
    if (Form* open = workspace_.findFormByPath(path)) {
        open->setVisible(true);
        workspace_.activate(*open);
        return true;
    }
    IniFile ini;
    if (Status s = ini.load(path); !s) {
        ui_.showError(s.message());
        return false;
    }
    const std::string name = ini.readString("FORM", "Name", "");
    if (name.empty()) return false;
    if (ini.readInt("FORM", "Lib", 0) != static_cast<int>(workspace_.library)) {
        ui_.showError(path + " format is not of the current library");
        return false;
    }
    loadFormInto(createForm(name), path);
    return true;
}

bool ProjectCommands::generateCode() {
    if (!workspace_.generateEnabled) return false;
    if (!workspace_.projectPath.empty()) return true;
    ui_.showInformation("You must save the project before code generation");
    saveProjectAs();
    return false;
}

} // namespace ornadeck
