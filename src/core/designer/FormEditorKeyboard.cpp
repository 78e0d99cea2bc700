// Keyboard commands of FormEditor: arrows move or size the marked controls, Escape
// raises the tool, Tab walks the controls.
#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "model/Form.h"

#include <algorithm>

namespace ornadeck {

namespace {

std::vector<Control*> markedControls(const Form& form) {
    std::vector<Control*> out;
    for (Control* c : form.surfaceControls())
        if (c->selected()) out.push_back(c);
    return out;
}

// What the user can see and click: hidden dialogs and their children are left out.
std::vector<Control*> reachableControls(const Form& form) {
    std::vector<Control*> out;
    for (Control* c : form.surfaceControls())
        if (c->visible() && (!c->parent() || c->parent()->visible())) out.push_back(c);
    return out;
}

std::string stepLabel(const char* verb, const std::vector<Control*>& controls) {
    if (controls.size() == 1) return std::string(verb) + " " + controls.front()->name();
    return std::string(verb) + " " + std::to_string(controls.size()) + " controls";
}

} // namespace

bool FormEditor::keyPress(DesignerKey key, ShiftState shift) {
    switch (key) {
    case DesignerKey::Left:
    case DesignerKey::Right:
    case DesignerKey::Up:
    case DesignerKey::Down:
        nudge(key, shift);
        return true;
    case DesignerKey::Escape:
        if (workspace_.tool.empty()) return false;
        workspace_.chooseTool("", false);
        return true;
    case DesignerKey::Tab:
        selectNeighbour(shift.has(ShiftState::Shift));
        return true;
    case DesignerKey::Delete:
        deleteSelected();
        return true;
    }
    return false;
}

void FormEditor::nudge(DesignerKey key, ShiftState shift) {
    const std::vector<Control*> marked = markedControls(form_);
    if (marked.empty()) return;
    const int step = shift.has(ShiftState::Ctrl) || !workspace_.gridMode ? 1 : 4;
    const int dx = key == DesignerKey::Left ? -step : key == DesignerKey::Right ? step : 0;
    const int dy = key == DesignerKey::Up ? -step : key == DesignerKey::Down ? step : 0;
    const bool resize = shift.has(ShiftState::Shift);
    std::string mergeKey = resize ? "size" : "move";
    for (const Control* c : marked)
        mergeKey += ":" + c->name();
    edit(
        stepLabel(resize ? "Resize" : "Move", marked),
        [&] {
            // As the layout commands do: no re-marking before every control has moved.
            form_.setResizeNotifications(false);
            for (Control* c : marked) {
                if (resize)
                    c->setBounds(c->left(), c->top(), std::max(1, c->width() + dx),
                                 std::max(1, c->height() + dy));
                else
                    c->setBounds(c->left() + dx, c->top() + dy, c->width(), c->height());
            }
            form_.setResizeNotifications(true);
        },
        mergeKey);
}

void FormEditor::selectNeighbour(bool backwards) {
    const std::vector<Control*> controls = reachableControls(form_);
    if (controls.empty()) return;
    const auto n = static_cast<long>(controls.size());
    const auto at = std::find(controls.begin(), controls.end(), selectedHere());
    long index = 0;
    if (at == controls.end())
        index = backwards ? n - 1 : 0;
    else
        index = ((at - controls.begin()) + (backwards ? n - 1 : 1)) % n;
    engine().showProperties(form_, controls[static_cast<std::size_t>(index)]);
    markSelection(false);
}

} // namespace ornadeck
