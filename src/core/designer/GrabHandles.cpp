#include "designer/GrabHandles.h"

#include "designer/GridSnap.h"
#include "model/Control.h"

namespace ornadeck {

namespace {

Point localTo(const Control& c, Point inParent) {
    return {inParent.x - c.left(), inParent.y - c.top()};
}

PointerShape pointerFor(EdgeMask m) {
    const bool l = m.has(EdgeMask::Left), r = m.has(EdgeMask::Right);
    const bool t = m.has(EdgeMask::Top), b = m.has(EdgeMask::Bottom);
    if ((l && t) || (r && b)) return PointerShape::SizeDiagonalDown;
    if ((r && t) || (l && b)) return PointerShape::SizeDiagonalUp;
    if (l || r) return PointerShape::SizeHorizontal;
    if (t || b) return PointerShape::SizeVertical;
    return PointerShape::Arrow;
}

} // namespace

void GrabHandles::setGridSize(int requested) { gridSize_ = gridSizeFor(requested); }

int GrabHandles::snap(int value) const { return snapToGrid(value, gridSize_); }

void GrabHandles::press(Control& target, MouseButton button, ShiftState shift, Point inParent) {
    const Point local = localTo(target, inParent);
    if (onMouseDown) onMouseDown(target, button, shift, local.x, local.y);
    dragging_ = true;
    target_ = &target;
    down_ = inParent;
    pressLeft_ = target.left();
    pressTop_ = target.top();
    pressWidth_ = target.width();
    pressHeight_ = target.height();
}

void GrabHandles::move(Control* under, ShiftState shift, Point inParent) {
    Control* t = dragging_ ? target_ : under;
    if (!t) return;
    target_ = t;
    const Point local = localTo(*t, inParent);
    if (onMouseMove) onMouseMove(*t, shift, local.x, local.y);
    if (dragging_)
        drag(shift, inParent);
    else
        hover(*t, shift, local);
}

void GrabHandles::release(MouseButton button, ShiftState shift, Point inParent) {
    if (!dragging_ || !target_) return;
    const Point local = localTo(*target_, inParent);
    if (onMouseUp) onMouseUp(*target_, button, shift, local.x, local.y);
    dragging_ = false;
    guides_.clear();
}

void GrabHandles::forget(const Control* control) {
    if (target_ != control) return;
    target_ = nullptr;
    dragging_ = false;
    guides_.clear();
}

void GrabHandles::hover(const Control& target, ShiftState shift, Point local) {
    edges_ = {};
    pointer_ = PointerShape::Arrow;
    if (shift.has(ShiftState::Shift) || !resizeable) return;
    const int w = target.width(), h = target.height();
    // The middle itself belongs to the right (or bottom) half.
    if (w - local.x > local.x) {
        if (local.x < kGrabZone) edges_.edges |= EdgeMask::Left;
    } else if (local.x + kGrabZone > w) {
        edges_.edges |= EdgeMask::Right;
    }
    if (h - local.y > local.y) {
        if (local.y < kGrabZone) edges_.edges |= EdgeMask::Top;
    } else if (local.y + kGrabZone > h) {
        edges_.edges |= EdgeMask::Bottom;
    }
    pointer_ = pointerFor(edges_);
}

void GrabHandles::drag(ShiftState shift, Point inParent) {
    const int dx = inParent.x - down_.x, dy = inParent.y - down_.y;
    int dLeft = 0, dTop = 0, dWidth = 0, dHeight = 0;
    if (!edges_.empty()) {
        if (edges_.has(EdgeMask::Left)) {
            dLeft = dx;
            dWidth = -dx;
        } else if (edges_.has(EdgeMask::Right)) {
            dWidth = dx;
        }
        if (edges_.has(EdgeMask::Top)) {
            dTop = dy;
            dHeight = -dy;
        } else if (edges_.has(EdgeMask::Bottom)) {
            dHeight = dy;
        }
    } else {
        if (!moveable) return;
        dLeft = dx;
        dTop = dy;
    }
    if (!shift.has(ShiftState::Ctrl)) {
        dLeft = snap(dLeft);
        dTop = snap(dTop);
        dWidth = snap(dWidth);
        dHeight = snap(dHeight);
    }
    int left = pressLeft_ + dLeft, top = pressTop_ + dTop;
    int width = pressWidth_ + dWidth, height = pressHeight_ + dHeight;
    // A control is never less than a pixel; dragging a left or top edge past the opposite
    // one stops there instead of pushing the control along.
    if (width < 1) {
        if (edges_.has(EdgeMask::Left)) left = pressLeft_ + pressWidth_ - 1;
        width = 1;
    }
    if (height < 1) {
        if (edges_.has(EdgeMask::Top)) top = pressTop_ + pressHeight_ - 1;
        height = 1;
    }
    const bool withGuides = !shift.has(ShiftState::Ctrl);
    guides_.clear();
    const Box wanted{left, top, width, height};
    const Box box = withGuides ? guided(wanted, kGuideReach) : wanted;
    Control& t = *target_;
    const int oldWidth = t.width(), oldHeight = t.height();
    t.setBounds(box.left, box.top, box.width, box.height);
    // A control that keeps its own size may not have taken the snapped box: the guides show
    // what it lines up with where it is.
    if (withGuides) guided({t.left(), t.top(), t.width(), t.height()}, 0);
    if ((t.width() != oldWidth || t.height() != oldHeight) && onResize) onResize(t);
}

Box GrabHandles::guided(const Box& wanted, int reach) {
    const Control* parent = target_->parent();
    if (!parent) return wanted;
    std::vector<Box> others;
    others.reserve(parent->children().size());
    for (const auto& child : parent->children())
        if (child.get() != target_ && child->visible())
            others.push_back({child->left(), child->top(), child->width(), child->height()});
    GuidedBox result =
        alignToGuides(wanted, edges_, others, {0, 0, parent->width(), parent->height()}, reach);
    guides_ = std::move(result.guides);
    return result.box;
}

} // namespace ornadeck
