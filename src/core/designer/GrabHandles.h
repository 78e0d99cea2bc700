#pragma once

#include "designer/MouseInput.h"

#include <cstdint>
#include <functional>

namespace ornadeck {

class Control;

// Which edges of a control the pointer is on; any non-empty mask makes a drag a resize.
struct EdgeMask {
    enum Edge : std::uint8_t { Left = 1, Right = 2, Top = 4, Bottom = 8 };
    std::uint8_t edges = 0;

    bool empty() const { return edges == 0; }
    bool has(Edge e) const { return (edges & e) != 0; }
    bool operator==(const EdgeMask&) const = default;
};

enum class PointerShape { Arrow, SizeHorizontal, SizeVertical, SizeDiagonalDown, SizeDiagonalUp };

// Moves and resizes the children of one parent (the form surface, or the tested dialog)
// with the mouse. There are no drawn handles: a band 4 pixels wide inside each edge resizes,
// anywhere else moves, and every change is snapped to the grid unless Ctrl is held.
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

    int gridSize_ = 4;
    EdgeMask edges_;
    PointerShape pointer_ = PointerShape::Arrow;
    bool dragging_ = false;
    Control* target_ = nullptr;
    Point down_;
    int pressLeft_ = 0, pressTop_ = 0, pressWidth_ = 0, pressHeight_ = 0;
};

} // namespace ornadeck
