#include "cclib/TCCMenu.h"
#include "check/CheckContext.h"
#include "model/Form.h"
#include "model/TCCForm.h"
#include "ptlib/TPTList.h"

#include <algorithm>
#include <vector>

namespace ornadeck {

namespace {

// A rectangle in the container's pixels. Wide enough that no sum of coordinates overflows.
struct Box {
    long long x = 0, y = 0, w = 0, h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    bool contains(const Box& o) const {
        return o.x >= x && o.y >= y && o.x + o.w <= x + w && o.y + o.h <= y + h;
    }
    bool meets(const Box& o) const {
        return o.x < x + w && x < o.x + o.w && o.y < y + h && y < o.y + o.h;
    }
};

// Where the handheld draws the control: its Palm rectangle, as the generator writes it.
Box palmBox(const Control& c) {
    switch (c.classId()) {
    case ClassId::CCCheckbox:
        return {c.userLeft(), c.userTop(), c.width(), c.userHeight()};
    case ClassId::CCMenu: {
        const auto& m = static_cast<const TCCMenu&>(c);
        return {m.userLeft(), c.top(), std::max(m.userWidth(), m.topicWidth()), c.height()};
    }
    default:
        return {c.userLeft(), c.userTop(), c.userWidth(), c.userHeight()};
    }
}

// The Palm width and height the generated code passes on as values of their own; the other
// kinds are sized from their window, which is never smaller than a pixel.
bool writesPalmWidth(const Control& c, bool cc) {
    switch (c.classId()) {
    case ClassId::CCButton: // in PToolboxLib a Select, which sizes itself to its text
        return cc;
    case ClassId::CCSwitch:
    case ClassId::CCRadio:
    case ClassId::CCLabel:
    case ClassId::CCEdit:
    case ClassId::CCListBox:
    case ClassId::CCDropDown:
    case ClassId::CCPopUp:
    case ClassId::CCMenu:
    case ClassId::PTButton:
    case ClassId::PTList:
    case ClassId::PTDialog:
        return true;
    default:
        return false;
    }
}

bool writesPalmHeight(const Control& c) {
    switch (c.classId()) {
    case ClassId::CCButton:
    case ClassId::CCSwitch:
    case ClassId::CCRadio:
    case ClassId::PTButton:
    case ClassId::PTDialog:
        return true;
    default:
        return false;
    }
}

void checkSize(CheckContext& ctx, const Form& form, const Control& c) {
    const bool noWidth = writesPalmWidth(c, ctx.cc()) && c.userWidth() <= 0;
    const bool noHeight = writesPalmHeight(c) && c.userHeight() <= 0;
    if (!noWidth && !noHeight) return;
    const std::string what = noWidth ? "width is " + std::to_string(c.userWidth())
                                     : "height is " + std::to_string(c.userHeight());
    ctx.add(Severity::Warning, "geometry.zero-size", form, &c,
            "its Palm " + what + ", so it does not show on the handheld");
}

void checkPlace(CheckContext& ctx, const Form& form, const Control& c, const Control& container) {
    const bool inDialog = container.isDialog();
    const Box room = inDialog ? Box{0, 0, container.width(), container.height()}
                              : Box{0, 0, TCCForm::kScreenSize, TCCForm::kScreenSize};
    const Box box = palmBox(c);
    if (box.empty() || room.contains(box)) return;
    const std::string where =
        inDialog ? "its dialog " + container.name() : std::string("the 160 x 160 screen");
    const std::string how = room.meets(box) ? "reaches outside " : "lies wholly outside ";
    ctx.add(Severity::Warning, inDialog ? "geometry.outside-dialog" : "geometry.off-screen", form,
            &c, how + where + ", so it is cut on the handheld");
}

// Controls drawn over the others when they open, and screens of their own, hide nothing of
// the form and are never hidden by it.
bool drawnWithTheForm(const Control& c) {
    switch (c.classId()) {
    case ClassId::PTDialog:
    case ClassId::CCPopUp:
    case ClassId::CCMenu:
    case ClassId::CCMenuBar:
        return false;
    case ClassId::PTList:
        return static_cast<const TPTList&>(c).style() == TPTList::kStandAlone;
    default:
        return true;
    }
}

// The order the handheld draws a container's children in: child order, except that the
// PToolboxLib bitmaps are drawn after the form's own objects.
std::vector<const Control*> drawingOrder(const Control& container, bool cc) {
    std::vector<const Control*> order;
    for (const auto& child : container.children())
        if (drawnWithTheForm(*child)) order.push_back(child.get());
    if (!cc)
        std::stable_partition(order.begin(), order.end(),
                              [](const Control* c) { return c->classId() != ClassId::CCBitmap; });
    return order;
}

void checkCovered(CheckContext& ctx, const Form& form, const Control& container) {
    const std::vector<const Control*> order = drawingOrder(container, ctx.cc());
    std::vector<Box> boxes;
    boxes.reserve(order.size());
    for (const Control* c : order)
        boxes.push_back(palmBox(*c));
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (boxes[i].empty()) continue;
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            if (!boxes[j].contains(boxes[i])) continue;
            ctx.add(Severity::Warning, "geometry.hidden", form, order[i],
                    "it is wholly hidden under " + order[j]->name() +
                        ", which the handheld draws after it");
            break;
        }
    }
}

} // namespace

void checkGeometry(CheckContext& ctx) {
    for (const Form* form : ctx.subject.forms) {
        forEachPlaced(*form, [&](const Control& c, const Control& container) {
            checkSize(ctx, *form, c);
            checkPlace(ctx, *form, c, container);
        });
        for (const auto& child : form->windowChildren()) {
            if (child->classId() != ClassId::CCMenu) continue;
            checkSize(ctx, *form, *child);
            checkPlace(ctx, *form, *child, form->surface());
        }
        checkCovered(ctx, *form, form->surface());
        for (const auto& child : form->surface().children())
            if (child->isDialog()) checkCovered(ctx, *form, *child);
    }
    checkTextFit(ctx);
}

} // namespace ornadeck
