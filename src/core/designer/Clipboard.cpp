#include "designer/Clipboard.h"

#include "designer/ClipboardFormat.h"
#include "designer/FormEditor.h"
#include "engine/LibraryKit.h"
#include "formfile/FormSections.h"
#include "model/Form.h"

namespace ornadeck {

std::optional<std::string> Clipboard::copy() const {
    const Selection& s = workspace_.selected;
    if (s.empty() || s.isForm() || !s.form->contains(s.control)) return std::nullopt;
    std::string text = serializeControl(*s.control, *kits_.current().sections);
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<std::string> Clipboard::cut(FormEditor& window) {
    if (workspace_.selected.form != &window.form()) return std::nullopt;
    std::optional<std::string> text = copy();
    if (text) {
        Control& control = *workspace_.selected.control;
        window.edit("Cut " + control.name(), [&] { window.removeControl(control); });
    }
    return text;
}

bool Clipboard::paste(FormEditor& window, std::string_view text) {
    Form& form = window.form();
    const Selection& s = workspace_.selected;
    Control* target = &form.surface();
    if (s.form == &form && s.control && s.control->isDialog() && form.contains(s.control))
        target = s.control;
    Engine& engine = window.engine();
    SectionReadContext context{form, workspace_, engine};
    FormUndo& undo = window.undoStack();
    undo.begin();
    Control* made = pasteControl(text, *target, *kits_.current().sections, context);
    undo.commit(made ? "Paste " + made->name() : "Paste");
    if (!made) return false;
    engine.showProperties(form, made);
    engine.rebuildComponentList(form);
    window.markSelection(false);
    return true;
}

} // namespace ornadeck
