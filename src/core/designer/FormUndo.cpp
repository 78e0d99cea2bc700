#include "designer/FormUndo.h"

#include "engine/LibraryKit.h"
#include "formfile/FormSections.h"
#include "model/Form.h"

namespace ornadeck {

namespace {
int nextId = 0;
} // namespace

FormUndo::FormUndo(Workspace& workspace, const LibraryKits& kits, Form& form)
    : workspace_(workspace), kits_(kits), form_(form), savesSeen_(form.saveCount()), id_(++nextId) {
    if (form.startsModified()) history_.forgetSaved();
}

void FormUndo::noticeSaves() {
    if (form_.saveCount() == savesSeen_) return;
    savesSeen_ = form_.saveCount();
    history_.markSaved();
}

bool FormUndo::modified() {
    noticeSaves();
    return !history_.atSavedState();
}

FormSnapshot FormUndo::capture() const {
    return captureForm(form_, workspace_, *kits_.current().sections);
}

void FormUndo::begin() {
    if (depth_ > 0) {
        ++depth_;
        return;
    }
    noticeSaves();
    ++depth_;
    before_ = capture();
}

void FormUndo::commit(const std::string& label, const std::string& mergeKey) {
    if (depth_ == 0 || --depth_ > 0) return;
    FormSnapshot before = std::move(*before_);
    before_.reset();
    if (before.sameContent(capture())) return; // a click, or a command with nothing to do
    history_.record(label, std::move(before), mergeKey);
    ++revision_;
}

void FormUndo::run(const std::string& label, const std::function<void()>& command,
                   const std::string& mergeKey) {
    begin();
    command();
    commit(label, mergeKey);
}

void FormUndo::restore(const FormSnapshot& snapshot) {
    const LibraryKit& kit = kits_.current();
    SectionReadContext context{form_, workspace_, *kit.engine};
    // Our own serialisation reads back whole.
    (void)restoreForm(snapshot, *kit.sections, context);
}

bool FormUndo::undo() {
    if (busy()) return false; // never in the middle of a drag
    noticeSaves();
    std::optional<FormSnapshot> target = history_.undo(capture());
    if (target) restore(*target);
    revision_ += target ? 1 : 0;
    return target.has_value();
}

bool FormUndo::redo() {
    if (busy()) return false;
    noticeSaves();
    std::optional<FormSnapshot> target = history_.redo(capture());
    if (target) restore(*target);
    revision_ += target ? 1 : 0;
    return target.has_value();
}

} // namespace ornadeck
