// What the Objects tree does to a form: choose, rename, delete and restack its controls.
#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "model/Form.h"
#include "model/Ui.h"

namespace ornadeck {

void FormEditor::chooseControls(Control* current, const std::vector<Control*>& marked) {
    activate();
    if (current && !form_.contains(current)) current = nullptr;
    Engine& e = engine();
    e.clearSelection(form_);
    bool adding = false;
    for (Control* c : marked) {
        // Menus are never marked: a click on one in the designer marks nothing either.
        if (!form_.contains(c) || !c->parent()) continue;
        e.setSelected(*c, true, adding);
        adding = true;
    }
    e.showProperties(form_, current);
    remembered_ = Selection{&form_, current};
}

Status FormEditor::rename(Control* control, std::string_view name) {
    if (control && !form_.contains(control)) return {};
    if (control)
        chooseControls(control, {control});
    else
        showFormProperties();
    if (name == (control ? control->name() : form_.name())) return {};
    Status status = setProperty("Name", name);
    if (!status) ui_.showError(status.message());
    // Seen again by the inspector and the component list with the new name.
    ++workspace_.propertiesShown;
    return status;
}

void FormEditor::deleteControls(const std::vector<Control*>& controls) {
    std::vector<Control*> here;
    for (Control* c : controls)
        if (form_.contains(c)) here.push_back(c);
    if (here.empty()) return;
    const std::string label = here.size() == 1
                                  ? "Delete " + here.front()->name()
                                  : "Delete " + std::to_string(here.size()) + " controls";
    edit(label, [&] {
        // A dialog takes its children with it: each is looked up again before it goes.
        for (Control* c : here)
            if (form_.contains(c)) removeControl(*c);
    });
}

bool FormEditor::moveInStack(Control& control, int index) {
    // A tree item may outlive its control by a moment: it is looked up before anything else.
    if (!form_.contains(&control)) return false;
    Control* parent = control.parent();
    // Menus keep their order, as Send to Back leaves them: the bar must stay under them.
    if (!parent || parent->indexOf(&control) == index) return false;
    if (index < 0 || index >= static_cast<int>(parent->children().size())) return false;
    edit("Reorder " + control.name(), [&] { parent->moveChild(&control, index); });
    engine().rebuildComponentList(form_);
    return true;
}

} // namespace ornadeck
