#include "workbench/ObjectTree.h"

#include "engine/Engine.h"
#include "model/Form.h"
#include "model/ReadingOrder.h"
#include "workbench/MultiEdit.h"

#include <algorithm>

namespace ornadeck {

namespace {

ObjectNode nodeOf(Form& form, Control& control, const Engine& engine) {
    ObjectNode node{
        &form, &control, control.name() + ": " + std::string(engine.kindTag(control)), {}};
    if (control.isDialog()) {
        node.children.reserve(control.children().size());
        for (const auto& child : control.children())
            node.children.push_back(nodeOf(form, *child, engine));
    }
    return node;
}

} // namespace

std::vector<ObjectNode> objectTree(const Workspace& workspace, const Engine& engine) {
    std::vector<ObjectNode> tree;
    for (const auto& form : workspace.forms) {
        if (!form->visible()) continue;
        ObjectNode node{form.get(), nullptr, form->name(), {}};
        const auto& onSurface = form->surface().children();
        node.children.reserve(onSurface.size() + form->windowChildren().size());
        for (const auto& control : onSurface)
            node.children.push_back(nodeOf(*form, *control, engine));
        for (const auto& control : form->windowChildren())
            node.children.push_back(nodeOf(*form, *control, engine));
        tree.push_back(std::move(node));
    }
    // The window order changes at every click on a window: names keep the tree still.
    std::stable_sort(tree.begin(), tree.end(), [](const ObjectNode& a, const ObjectNode& b) {
        return inReadingOrder(a.text, b.text);
    });
    return tree;
}

int stackIndexAfterDrop(int from, int target, DropSide side) {
    if (side == DropSide::On) return target;
    // Taking the control out first shifts everything after it up by one.
    int index = side == DropSide::Above ? target : target + 1;
    if (from < index) --index;
    return index;
}

std::vector<Control*> chosenControls(const Selection& selected) {
    std::vector<Control*> together = controlsEditedTogether(selected);
    if (!together.empty()) return together;
    if (selected.control) return {selected.control};
    return {};
}

} // namespace ornadeck
