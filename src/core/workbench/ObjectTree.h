#pragma once

#include "model/Workspace.h"

#include <string>
#include <vector>

namespace ornadeck {

class Control;
class Engine;
class Form;

// One line of the Objects tree: a form (no control) or a control, with what stands under it.
struct ObjectNode {
    Form* form = nullptr;
    Control* control = nullptr;
    // The form's name, or "Name: Kind" as the component list says it.
    std::string text;
    std::vector<ObjectNode> children;
};

// The project's shown forms in order of their names, each with its controls in stacking order (back
// to front) as "Name: Kind", a dialog's controls under the dialog, then the form's menu bar
// and menus.
std::vector<ObjectNode> objectTree(const Workspace& workspace, const Engine& engine);

// Where an item dropped in the tree lands against the item under the pointer.
enum class DropSide { Above, On, Below };

// The stacking index a control at `from` among its siblings takes when dropped on the sibling
// at `target`: just above or below it, or in its place when dropped on it.
int stackIndexAfterDrop(int from, int target, DropSide side);

// The controls the tree shows as chosen: those edited together when several are marked, else
// the selected control; none when the form itself is selected.
std::vector<Control*> chosenControls(const Selection& selected);

} // namespace ornadeck
