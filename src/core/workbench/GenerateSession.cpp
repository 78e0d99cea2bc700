#include "workbench/GenerateSession.h"

#include "codegen/Generation.h"
#include "codegen/GenerationRecords.h"
#include "engine/LibraryKit.h"
#include "model/ChangedFileGuard.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/ProjectPaths.h"
#include "model/TextEncoding.h"
#include "model/Ui.h"
#include "model/Workspace.h"
#include "workbench/ProjectFileEdit.h"

#include <algorithm>

namespace ornadeck {

namespace {

namespace fs = std::filesystem;

FormList visibleForms(const Workspace& workspace) {
    FormList forms;
    for (const auto& form : workspace.forms)
        if (form->visible()) forms.push_back(form.get());
    return forms;
}

std::string firstChars(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t n = 0; n < count && end < text.size(); ++n)
        nextCodePoint(text, end);
    return text.substr(0, end);
}

} // namespace

GenerateSession::GenerateSession(Workspace& workspace, Ui& ui, PictureReader readPicture)
    : workspace_(workspace), ui_(ui), readPicture_(std::move(readPicture)) {}

void GenerateSession::open() {
    emptyPanes();
    title_ = std::string("Ornadeck 1.0 - Generate code - ") +
             (workspace_.library == Library::PToolboxLib ? "PToolboxLib" : "CControls");
    if (outputProject_ != workspace_.projectPath) output_.clear();
    outputProject_ = workspace_.projectPath;
    if (output_.empty()) output_ = projectFolder().string();

    formNames_.clear();
    for (const Form* form : visibleForms(workspace_))
        formNames_.push_back(form->name());
    firstForm_ = formNames_.empty() ? -1 : 0;

    IniFile ini;
    // An unreadable project file reads as one without these keys.
    (void)ini.load(workspace_.projectPath);
    const GenerationSettings s = GenerationSettings::read(ini, output_, projectFolder());
    output_ = s.output;
    const auto named = std::find(formNames_.begin(), formNames_.end(), s.firstForm);
    if (named != formNames_.end()) firstForm_ = static_cast<int>(named - formNames_.begin());
    chooseTarget(s.memos);
    setCreatorId(s.creatorId);
    setAppName(s.appName);
    setAppDb(s.appDb);
    setVersion(s.version);
    // A box the project names no readable picture for is emptied, so that no icon of the
    // project shown before is generated into this one.
    for (std::size_t i = 0; i < icons_.size(); ++i)
        icons_[i] = !s.icons[i].empty() && readPicture_(s.icons[i]) ? s.icons[i] : "";
    for (PaneState& p : panes_)
        p.counted = false;
}

void GenerateSession::chooseFirstForm(int index) {
    if (index >= 0 && index < static_cast<int>(formNames_.size())) firstForm_ = index;
}

void GenerateSession::chooseTarget(bool memos) {
    memos_ = memos;
    emptyPanes();
}

void GenerateSession::setCreatorId(const std::string& text) {
    creatorId_ = firstChars(text, kCreatorIdLimit);
}

void GenerateSession::setAppDb(const std::string& text) { appDb_ = firstChars(text, kDbNameLimit); }

std::string GenerateSession::iconLabel(std::size_t slot) {
    const std::string key = kIconSlots.at(slot).key;
    return std::string(1, key.back()) + " bit " + (key.front() == 'L' ? "large" : "small");
}

std::string GenerateSession::iconTitle(std::size_t slot) {
    return "Open " + iconLabel(slot) + " icon";
}

bool GenerateSession::pickIcon(std::size_t slot) {
    const auto chosen = ui_.chooseOpenFile(iconTitle(slot), "Bitmaps (*.bmp)|*.bmp", "bmp");
    if (!chosen) return false;
    const std::string path = fs::absolute(*chosen).lexically_normal().string();
    if (!readPicture_(path)) {
        ui_.showError(path + " cannot be read as a picture.");
        return false;
    }
    if (!writeProjectKeys([&](IniFile& ini) {
            ini.writeString("Icons", kIconSlots.at(slot).key,
                            pathForProjectFile(path, projectFolder()));
        }))
        return false;
    icons_.at(slot) = path;
    return true;
}

void GenerateSession::editPane(std::size_t p, std::string text) {
    setPane(p, std::move(text));
    panes_[p].edited = true;
}

PaneCounters GenerateSession::counters(std::size_t p) const {
    const PaneState& pane = panes_.at(p);
    return pane.counted ? countPane(pane.text) : PaneCounters{};
}

bool GenerateSession::generate() {
    const FormList forms = visibleForms(workspace_);
    // Nothing is written for a project without forms: a stored first form would be lost.
    if (forms.empty()) {
        ui_.showInformation("The project has no form: there is no code to generate.");
        return false;
    }
    const GenerationSettings s = settings();
    if (!writeProjectKeys([&](IniFile& ini) { s.writeCode(ini); })) return false;
    const auto generator = makeGenerator(workspace_.library);
    const GeneratedTexts texts = generateTexts(
        *generator, s,
        inRecordedOrder(forms, readFormOrder(outputDirectory(), workspace_.projectName)),
        workspace_.projectName);
    showMerged(texts);
    generated_ = texts;
    generatedShown_ = true;
    saveEnabled_ = true;
    return true;
}

bool GenerateSession::saveEnabled() const { return saveEnabled_ && !workspace_.readOnly; }

bool GenerateSession::writeProjectKeys(const std::function<void(IniFile&)>& change) {
    // Nothing of a project opened read-only is written; the choices hold while it is open.
    if (workspace_.readOnly) return true;
    if (!mayOverwrite(workspace_.projectPath, workspace_.projectDisk, ui_)) return false;
    FileStamp written;
    if (Status s = editProjectFile(workspace_.projectPath, change, &written); !s) {
        ui_.showError(s.message());
        return false;
    }
    workspace_.projectDisk.note(written);
    return true;
}

bool GenerateSession::save() {
    if (memos_ || !saveEnabled()) return false;
    // Empty panes (after a change of target) would only replace real files with nothing.
    if (!generatedShown_ || std::all_of(panes_.begin(), panes_.end(),
                                        [](const PaneState& p) { return p.text.empty(); })) {
        ui_.showInformation("There is no code to save: press Generate first.");
        return false;
    }
    const fs::path directory = outputDirectory();
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec) {
        ui_.showError("Cannot create " + directory.string() + ": " + ec.message());
        return false;
    }
    // A pane the user did not touch gets the merge as the file is now, which is what it shows
    // unless the file changed since Generate.
    EditedTexts shown;
    for (std::size_t p = 0; p < PaneCount; ++p)
        if (panes_[p].edited) shown[p] = linesOfPane(panes_[p].text);
    const SaveReport report = saveGeneratedTexts(
        generated_, settings(), directory, workspace_.projectName, workspace_.library,
        ReplacePolicy::Ask, ui_, bitmapIconWriter(readPicture_, ""), &shown);
    tellOutcome(report);
    return report.status.ok() && !report.cancelled && report.iconErrors.empty() &&
           !report.needsAttention();
}

void GenerateSession::showMerged(const GeneratedTexts& texts) {
    const auto names = generatedFileNames(workspace_.projectName);
    const Lines* lines[] = {&texts.main, &texts.forms, &texts.events, &texts.header};
    const fs::path directory = outputDirectory();
    for (std::size_t p = 0; p < PaneCount; ++p) {
        const OutputPlan plan = planOutput(directory / names[p], generatedFileBytes(*lines[p]));
        setPane(p, plan.action == OutputAction::Merge ? paneTextOfFile(plan.text)
                                                      : paneTextOf(*lines[p]));
        panes_[p].edited = false;
        panes_[p].clash = plan.action == OutputAction::Unresolved || !plan.clashLines.empty();
    }
}

// Backups, kept lines and clashes are told after the files are written; a file left alone
// or written with a clash is an error the user must act on.
void GenerateSession::tellOutcome(const SaveReport& report) {
    for (const std::string& error : report.iconErrors)
        ui_.showError(error);
    if (!report.status) ui_.showError(report.status.message());
    std::string told;
    for (const auto* list : {&report.unresolved, &report.recordProblems})
        for (const std::string& line : *list)
            told += line + "\n";
    for (const std::string& line : report.notes())
        told += line + "\n";
    if (told.empty()) return;
    told.pop_back();
    if (report.needsAttention())
        ui_.showWarning("These files need attention:\n" + told);
    else
        ui_.showInformation(told);
}

std::string GenerateSession::paneTitle(std::size_t p) const {
    static constexpr const char* kTitles[] = {"Main", "Forms", "Events", "Header"};
    return std::string(kTitles[p]) + (panes_.at(p).clash ? " (clash)" : "");
}

void GenerateSession::setPane(std::size_t p, std::string text) {
    panes_.at(p).text = std::move(text);
    panes_.at(p).counted = true;
}

void GenerateSession::emptyPanes() {
    for (std::size_t p = 0; p < PaneCount; ++p) {
        setPane(p, "");
        panes_[p].clash = false;
    }
    generatedShown_ = false;
}

GenerationSettings GenerateSession::settings() const {
    GenerationSettings s;
    s.output = output_;
    s.firstForm = firstForm_ < 0 ? "" : formNames_[static_cast<std::size_t>(firstForm_)];
    s.memos = memos_;
    s.creatorId = creatorId_;
    s.appName = appName_;
    s.appDb = appDb_;
    s.version = version_;
    s.icons = icons_;
    return s;
}

fs::path GenerateSession::projectFolder() const {
    return fs::path(workspace_.projectPath).parent_path();
}

// As the command-line tool takes it: the desktop program's current directory is nothing
// the user chose.
fs::path GenerateSession::outputDirectory() const {
    return settings().outputFolder(projectFolder());
}

} // namespace ornadeck
