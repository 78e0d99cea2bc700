// Pointer routing of DesignerWindow: what the application-wide mouse watcher did, driven by
// a hit test. A press captures the pointer for whatever it landed on until the release.
#include "designer/DesignerWindow.h"
#include "designer/HitTest.h"
#include "model/Form.h"
#include "ptlib/TPTDialog.h"

namespace ornadeck {

namespace {

constexpr std::uint8_t kButtons =
    ShiftState::LeftButton | ShiftState::RightButton | ShiftState::MiddleButton;

} // namespace

GrabHandles* DesignerWindow::capturedHandles() {
    if (capture_ == Capture::Snap) return &snap_;
    if (capture_ == Capture::SnapDialog) return &snapDialog_;
    return nullptr;
}

Point DesignerWindow::inCapturedFrame(Point onSurface) const {
    if (capture_ != Capture::SnapDialog || !captured_->parent()) return onSurface;
    const Control& dialog = *captured_->parent();
    return {onSurface.x - dialog.left(), onSurface.y - dialog.top()};
}

void DesignerWindow::endCapture() {
    capture_ = Capture::None;
    captured_ = nullptr;
}

void DesignerWindow::releaseCapture() {
    if (capture_ == Capture::None) return;
    mouseRelease(lastPoint_, capturedButton_, ShiftState(buttonFlag(capturedButton_)));
}

void DesignerWindow::mousePress(Point onSurface, MouseButton button, ShiftState shift) {
    // The captured button pressed again, or no longer held: its release was lost on the way.
    if (capture_ != Capture::None &&
        (button == capturedButton_ || !shift.has(buttonFlag(capturedButton_))))
        releaseCapture();
    if (capture_ != Capture::None) return; // another button is already held
    lastPoint_ = onSurface;
    capturedButton_ = button;
    syncGridSize();
    const Hit hit = hitTest(form_, onSurface);
    switch (hit.where) {
    case Hit::Where::Outside:
        activate();
        capture_ = Capture::Outside;
        return;
    case Hit::Where::Surface:
        surfaceMouseDown();
        capture_ = Capture::Surface;
        return;
    case Hit::Where::WindowControl:
        capture_ = Capture::Menu;
        captured_ = hit.control;
        return;
    case Hit::Where::SurfaceControl:
    case Hit::Where::DialogControl:
        break;
    }
    if (button == MouseButton::Middle) return; // only left and right drag
    const bool inDialog = hit.where == Hit::Where::DialogControl;
    GrabHandles& handles = inDialog ? snapDialog_ : snap_;
    // The pointer arrives before it presses: the edges and Shift at the press decide
    // between move and resize, whatever an earlier hover left.
    handles.move(hit.control, shift.without(kButtons), hit.inParent);
    capture_ = inDialog ? Capture::SnapDialog : Capture::Snap;
    captured_ = hit.control;
    handles.press(*hit.control, button, shift, hit.inParent);
}

void DesignerWindow::mouseMove(Point onSurface, ShiftState shift) {
    if (captured_ && !form_.contains(captured_)) endCapture(); // deleted mid-drag
    lastPoint_ = onSurface;
    // Nothing held any more: the release was lost, and a drag must not follow a free pointer.
    if ((shift.flags & kButtons) == 0) releaseCapture();
    if (GrabHandles* handles = capturedHandles()) {
        handles->move(nullptr, shift, inCapturedFrame(onSurface));
        pointer_ = handles->pointer();
        return;
    }
    if (capture_ != Capture::None) return;
    syncGridSize();
    const Hit hit = hitTest(form_, onSurface);
    pointer_ = PointerShape::Arrow;
    if (hit.where == Hit::Where::SurfaceControl || hit.where == Hit::Where::DialogControl) {
        GrabHandles& handles = hit.where == Hit::Where::DialogControl ? snapDialog_ : snap_;
        handles.move(hit.control, shift, hit.inParent);
        pointer_ = handles.pointer();
    }
}

void DesignerWindow::mouseRelease(Point onSurface, MouseButton button, ShiftState shift) {
    if (captured_ && !form_.contains(captured_)) endCapture();
    const Capture capture = capture_;
    Control* target = captured_;
    const Point inFrame = inCapturedFrame(onSurface);
    endCapture();
    switch (capture) {
    case Capture::None:
    case Capture::Outside:
        return;
    case Capture::Surface:
        surfaceMouseUp(form_.surface(), button, onSurface.x, onSurface.y);
        return;
    case Capture::Menu:
        controlMouseUp(*target, shift, false);
        return;
    case Capture::Snap:
    case Capture::SnapDialog:
        break;
    }
    GrabHandles& handles = capture == Capture::SnapDialog ? snapDialog_ : snap_;
    handles.release(button, shift, inFrame);
    // Then the control itself sees the release: lists settle on whole rows, and the tested
    // dialog places the chosen tool's control where it was clicked.
    if (!form_.contains(target)) return;
    target->afterMouseRelease();
    if (capture == Capture::Snap && target == static_cast<Control*>(form_.currentDialog()))
        surfaceMouseUp(*target, button, onSurface.x - target->left(), onSurface.y - target->top());
}

} // namespace ornadeck
