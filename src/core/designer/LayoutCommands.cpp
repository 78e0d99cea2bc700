#include "designer/LayoutCommands.h"

#include "designer/ResizeNotificationsOff.h"
#include "model/Form.h"
#include "model/Workspace.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace ornadeck {

namespace {

LayoutSide sideOf(AlignCommand c) {
    switch (c) {
    case AlignCommand::Left:
    case AlignCommand::Right:
        return LayoutSide::Left;
    case AlignCommand::Top:
    case AlignCommand::Bottom:
        return LayoutSide::Top;
    case AlignCommand::Width:
        return LayoutSide::Width;
    case AlignCommand::Height:
        break;
    }
    return LayoutSide::Height;
}

std::vector<Control*> marked(const Control& parent) {
    std::vector<Control*> out;
    for (const auto& c : parent.children())
        if (c->selected()) out.push_back(c.get());
    return out;
}

struct Reference {
    Control* control = nullptr;
    Control* group = nullptr;
};

Reference findReference(Form& form) {
    for (const auto& c : form.surface().children()) {
        if (c->selected() && c->selectColor() == kBlue) return {c.get(), &form.surface()};
        if (!c->isDialog()) continue;
        for (const auto& child : c->children())
            if (child->selected() && child->selectColor() == kRed) return {child.get(), c.get()};
    }
    return {};
}

int position(const Control& c, LayoutAxis axis) {
    return axis == LayoutAxis::Horizontal ? c.left() : c.top();
}
int extent(const Control& c, LayoutAxis axis) {
    return axis == LayoutAxis::Horizontal ? c.width() : c.height();
}
void place(Control& c, LayoutAxis axis, int v) {
    if (axis == LayoutAxis::Horizontal)
        c.setLeft(v);
    else
        c.setTop(v);
}

void spaceGroup(std::vector<Control*> group, LayoutAxis axis) {
    if (group.size() < 2) return;
    long long total = 0;
    for (const Control* c : group)
        total += extent(*c, axis);
    // By number, and controls at the same place keep their list order: both are spaced.
    std::stable_sort(group.begin(), group.end(), [axis](const Control* a, const Control* b) {
        return position(*a, axis) < position(*b, axis);
    });
    const long long first = position(*group.front(), axis);
    const long long end = position(*group.back(), axis) + extent(*group.back(), axis);
    const long long gap = (end - first - total) / static_cast<long long>(group.size() - 1);
    long long x = first + extent(*group.front(), axis) + gap;
    for (std::size_t i = 1; i < group.size(); ++i) {
        place(*group[i], axis, Control::clampCoord(x));
        x += extent(*group[i], axis) + gap;
    }
}

} // namespace

void LayoutCommands::alignOrSize(Form& form, AlignCommand command) {
    const Reference ref = findReference(form);
    if (!ref.control) return;
    const Library library = workspace_.library;
    // A reference of a kind without the value gives nothing to copy: the command is skipped
    // rather than setting every target to 0.
    if (!takesPartIn(library, *ref.control, command)) return;
    const LayoutSide side = sideOf(command);
    const std::optional<int> refSide = readLayoutSide(library, *ref.control, side);
    if (!refSide) return;
    const bool right = command == AlignCommand::Right;
    const bool bottom = command == AlignCommand::Bottom;
    const LayoutSide sizeSide = right ? LayoutSide::Width : LayoutSide::Height;
    const std::optional<int> refSize = readLayoutSide(library, *ref.control, sizeSide);

    ResizeNotificationsOff quiet(form);
    for (Control* t : marked(*ref.group)) {
        // The reference already has its own value; it is never changed.
        if (t == ref.control || !takesPartIn(library, *t, command)) continue;
        int value = *refSide;
        if (right || bottom) {
            const std::optional<int> ownSize = readLayoutSide(library, *t, sizeSide);
            if (!refSize || !ownSize) continue;
            value = *refSide + *refSize - *ownSize;
        }
        writeLayoutSide(library, *t, side, value);
    }
}

void LayoutCommands::center(Form& form, LayoutAxis axis) {
    ResizeNotificationsOff quiet(form);
    auto centerIn = [axis](const Control& parent) {
        for (Control* c : marked(parent)) {
            // Truncated toward zero, as the halving always was.
            const int free = extent(parent, axis) - extent(*c, axis);
            place(*c, axis, free / 2);
        }
    };
    centerIn(form.surface());
    for (const auto& c : form.surface().children())
        if (c->isDialog()) centerIn(*c);
}

void LayoutCommands::space(Form& form, LayoutAxis axis) {
    ResizeNotificationsOff quiet(form);
    spaceGroup(marked(form.surface()), axis);
    for (const auto& c : form.surface().children())
        if (c->isDialog()) spaceGroup(marked(*c), axis);
}

} // namespace ornadeck
