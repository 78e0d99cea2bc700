#include "designer/FormEditor.h"

#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/Ui.h"

namespace ornadeck {

namespace {

bool isMenuKind(const Control& c) {
    return c.classId() == ClassId::CCMenu || c.classId() == ClassId::CCMenuBar;
}

} // namespace

FormEditor::FormEditor(Workspace& workspace, Ui& ui, const LibraryKits& kits, Form& form)
    : workspace_(workspace), ui_(ui), kits_(kits), form_(form), undo_(workspace, kits, form) {
    syncGridSize();
    auto down = [this](Control& c, MouseButton, ShiftState s, int, int) { controlMouseDown(c, s); };
    handles_.onMouseDown = down;
    dialogHandles_.onMouseDown = down;
    handles_.onMouseUp = [this](Control& c, MouseButton, ShiftState s, int, int) {
        controlMouseUp(c, s, false);
    };
    dialogHandles_.onMouseUp = [this](Control& c, MouseButton, ShiftState s, int, int) {
        controlMouseUp(c, s, true);
    };
    // Every size change reaches the window, whether a drag, the inspector or a paste made it.
    form_.setResizeHandler([this](Control& c) { onControlResized(c); });
}

FormEditor::~FormEditor() { form_.setResizeHandler(nullptr); }

Engine& FormEditor::engine() const { return *kits_.current().engine; }

// Grid mode is one switch over every window: 4-pixel steps while it is on, single pixels off.
void FormEditor::syncGridSize() {
    const int size = workspace_.gridMode ? 4 : 1;
    handles_.setGridSize(size);
    dialogHandles_.setGridSize(size);
}

Control* FormEditor::selectedHere() const {
    const Selection& s = workspace_.selected;
    if (s.form != &form_ || !s.control || !form_.contains(s.control)) return nullptr;
    return s.control;
}

void FormEditor::activate() {
    workspace_.activate(form_);
    Engine& e = engine();
    e.rebuildComponentList(form_);
    if (remembered_.empty() || (remembered_.control && !form_.contains(remembered_.control)))
        remembered_ = Selection{&form_, nullptr};
    e.showProperties(form_, remembered_.control);
}

void FormEditor::showFormProperties() {
    engine().showProperties(form_, nullptr);
    engine().clearSelection(form_);
}

void FormEditor::markSelection(bool add) {
    Engine& e = engine();
    if (!add) e.clearSelection(form_);
    if (Control* c = selectedHere(); c && !c->selected()) e.setSelected(*c, true, add);
    remembered_ = workspace_.selected;
}

void FormEditor::onControlResized(Control&) { markSelection(false); }

void FormEditor::surfaceMouseDown() {
    remembered_ = Selection{&form_, nullptr};
    activate();
}

void FormEditor::surfaceMouseUp(Control& clicked, MouseButton button, int x, int y) {
    if (button != MouseButton::Left) return;
    syncGridSize();
    if (form_.surface().gridVisible() != 0) {
        x = handles_.snap(x);
        y = handles_.snap(y);
    }
    Engine& e = engine();
    undo_.begin();
    const bool created = e.createControl(form_, x, y, &clicked);
    Control* made = selectedHere();
    undo_.commit(created && made ? "Place " + made->name() : "Place");
    if (created) {
        e.rebuildComponentList(form_);
        markSelection(false);
    } else if (&clicked == &form_.surface()) {
        showFormProperties();
    } else {
        markSelection(false);
    }
}

void FormEditor::controlMouseDown(Control& sender, ShiftState shift) {
    remembered_ = Selection{&form_, &sender};
    // A right press selects too, so the popup menu that follows acts on this control; on a
    // control already marked it keeps every mark, so the popup's layout commands act on
    // all of them.
    const bool rightAlone =
        shift.has(ShiftState::RightButton) && !shift.has(ShiftState::LeftButton);
    const bool keepMarks = rightAlone && sender.selected();
    activate();
    engine().showProperties(form_, &sender);
    if (keepMarks) return;
    markSelection(shift.isExactly(ShiftState::Shift | ShiftState::LeftButton));
}

void FormEditor::controlMouseUp(Control& sender, ShiftState shift, bool inDialog) {
    if (shift.isExactly(ShiftState::RightButton)) return;
    if (!inDialog && isMenuKind(sender)) {
        activate();
        engine().clearSelection(form_);
    }
    // Shown again so the inspector has the bounds a move or resize left.
    engine().showProperties(form_, &sender);
}

void FormEditor::removeControl(Control& control) {
    handles_.forget(&control);
    dialogHandles_.forget(&control);
    for (const auto& child : control.children())
        dialogHandles_.forget(child.get());
    if (captured_ == &control || (captured_ && captured_->parent() == &control)) endCapture();
    engine().destroyControl(form_, &control);
    remembered_ = {};
    showFormProperties();
}

void FormEditor::deleteSelected() {
    if (Control* c = selectedHere()) edit("Delete " + c->name(), [&] { removeControl(*c); });
}

void FormEditor::bringToFront() {
    Control* c = selectedHere();
    if (!c) return;
    edit("Bring " + c->name() + " to Front", [&] {
        if (c->parent())
            c->parent()->bringChildToFront(c);
        else
            form_.bringWindowChildToFront(c);
    });
    engine().rebuildComponentList(form_);
}

void FormEditor::sendToBack() {
    Control* c = selectedHere();
    if (!c || !c->parent()) return; // menus keep their order: the bar must stay under them
    edit("Send " + c->name() + " to Back", [&] { c->parent()->sendChildToBack(c); });
    engine().rebuildComponentList(form_);
}

void FormEditor::edit(const std::string& label, const std::function<void()>& command,
                      const std::string& mergeKey) {
    undo_.run(label, command, mergeKey);
    // A layout command or an arrow key may have moved the control the inspector shows: its
    // rows are read again. Only typing in a cell (setProperty) keeps the rows it has.
    ++workspace_.propertiesShown;
}

Status FormEditor::setProperty(std::string_view name, std::string_view text) {
    const Selection s = workspace_.selected;
    const std::string owner = s.control ? s.control->name() : form_.name();
    Status status;
    // Not edit(): the cell being typed in must survive its own step.
    undo_.run(
        "Change " + owner + " " + std::string(name),
        [&] { status = engine().setProperty(name, text); },
        "property:" + owner + ":" + std::string(name));
    return status;
}

bool FormEditor::editItems() {
    const Control* c = selectedHere();
    bool changed = false;
    edit("Edit Items of " + (c ? c->name() : form_.name()),
         [&] { changed = engine().editItems(); });
    return changed;
}

bool FormEditor::undo() {
    if (!undo_.undo()) return false;
    afterRestore();
    return true;
}

bool FormEditor::redo() {
    if (!undo_.redo()) return false;
    afterRestore();
    return true;
}

// Every control was made anew: nothing may keep pointing at the old ones.
void FormEditor::afterRestore() {
    handles_.forget(handles_.target());
    dialogHandles_.forget(dialogHandles_.target());
    endCapture();
    bandStart_.reset();
    remembered_ = Selection{&form_, selectedHere()};
}

SaveResult FormEditor::save(bool saveAs) {
    if (workspace_.readOnly) return SaveResult::Cancelled;
    return saveForm(form_, saveAs, ui_, *kits_.current().sections);
}

Status FormEditor::load(const std::filesystem::path& path) {
    SectionReadContext context{form_, workspace_, engine()};
    Status status = loadFormFile(path, *kits_.current().sections, context);
    if (!status) ui_.showError(status.message());
    activate();
    return status;
}

Status FormEditor::reloadFromDisk() {
    const std::filesystem::path path = form_.filePath();
    const FormSections& sections = *kits_.current().sections;
    IniFile ini;
    FileStamp stamp;
    Status status = ini.load(path, &stamp);
    if (status && ini.readInt("FORM", "Lib", 0) != static_cast<int>(workspace_.library))
        status = Status::fail(path.string() + " format is not of the current library");
    if (status) {
        const FormSnapshot before = undo_.capture();
        FormSnapshot fromFile;
        fromFile.name = ini.readString("FORM", "Name", "");
        if (fromFile.name.empty()) fromFile.name = form_.name();
        fromFile.formText = ini.toText();
        SectionReadContext context{form_, workspace_, engine()};
        edit("Reload " + form_.name(), [&] {
            status = restoreForm(fromFile, sections, context);
            // Half a file is worse than the old form: put back what was shown.
            if (!status) (void)restoreForm(before, sections, context);
        });
        afterRestore();
    }
    if (!status) {
        ui_.showError(status.message());
        return status;
    }
    form_.disk().note(stamp);
    form_.noteSaved();
    return status;
}

bool FormEditor::close() {
    // Nothing can be saved in a read-only project; the hidden form keeps its changes.
    if (workspace_.readOnly) {
        form_.setVisible(false);
        return true;
    }
    const Answer a = ui_.ask({"Save changes to form " + form_.name() + "?", "Confirm",
                              MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes});
    if (a == Answer::Cancel) return false;
    // A save that did not happen keeps the window open, as Cancel does: hiding it would leave
    // the only copy of the changes out of sight.
    if (a == Answer::Yes && save(false) != SaveResult::Saved) return false;
    form_.setVisible(false);
    return true;
}

} // namespace ornadeck
