#pragma once

#include "designer/AlignmentGuides.h"
#include "designer/EdgeMask.h"
#include "designer/MouseInput.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ornadeck {

class Control;

enum class PointerShape { Arrow, SizeHorizontal, SizeVertical, SizeDiagonalDown, SizeDiagonalUp };

// Moves and resizes the children of one parent (the form surface, or the tested dialog)
// with the mouse. There are no drawn handles: a band 4 pixels wide inside each edge resizes,
// anywhere else moves, and every change is snapped to the grid unless Ctrl is held. Then the
// moved edges snap to the lines of the other children and of the parent within a guide's
// reach, unless Ctrl is held.
//
// Points are in the parent's pixels. The parent does not move during a drag, so they serve
// as the fixed frame the drag deltas are measured in; the events report points relative to
// the control, as a control's own mouse handler would see them.
class GrabHandles {
  public:
    static constexpr int kGrabZone = 4;

    using ButtonEvent = std::function<void(Control&, MouseButton, ShiftState, int x, int y)>;
    using MoveEvent = std::function<void(Control&, ShiftState, int x, int y)>;
    using ResizeEvent = std::function<void(Control&)>;

    int gridSize() const { return gridSize_; }
    void setGridSize(int requested);
    int snap(int value) const;

    bool moveable = true;
    bool resizeable = true;
    // Each raised before the component's own work, as the designer window expects.
    ButtonEvent onMouseDown;
    ButtonEvent onMouseUp;
    MoveEvent onMouseMove;
    // Raised when a drag changes a control's size.
    ResizeEvent onResize;

    EdgeMask edges() const { return edges_; }
    PointerShape pointer() const { return pointer_; }
    bool dragging() const { return dragging_; }
    Control* target() const { return target_; }
    // The lines the dragged control lines up with since the last move of a drag, in the
    // parent's pixels; none outside a drag, or with Ctrl held.
    const std::vector<Guide>& guides() const { return guides_; }

    void press(Control& target, MouseButton button, ShiftState shift, Point inParent);
    // During a drag the pressed control keeps the pointer, wherever it is; otherwise
    // `under` is the control below the pointer (null for none, which changes nothing).
    void move(Control* under, ShiftState shift, Point inParent);
    void release(MouseButton button, ShiftState shift, Point inParent);
    // The control is going away: forget it without raising anything.
    void forget(const Control* control);

  private:
    void hover(const Control& target, ShiftState shift, Point local);
    void drag(ShiftState shift, Point inParent);
    Box guided(const Box& wanted, int reach);

    int gridSize_ = 4;
    EdgeMask edges_;
    PointerShape pointer_ = PointerShape::Arrow;
    bool dragging_ = false;
    Control* target_ = nullptr;
    std::vector<Guide> guides_;
    Point down_;
    int pressLeft_ = 0, pressTop_ = 0, pressWidth_ = 0, pressHeight_ = 0;
};

} // namespace ornadeck
