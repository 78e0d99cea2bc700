// Pointer routing of FormEditor: what the application-wide mouse watcher did, driven by
// a hit test. A press captures the pointer for whatever it landed on until the release.
#include "designer/FormEditor.h"
#include "designer/HitTest.h"
#include "engine/Engine.h"
#include "model/Form.h"
#include "model/TPTDialog.h"

#include <utility>

namespace ornadeck {

namespace {

constexpr std::uint8_t kButtons =
    ShiftState::LeftButton | ShiftState::RightButton | ShiftState::MiddleButton;

} // namespace

GrabHandles* FormEditor::capturedHandles() {
    if (capture_ == Capture::Snap) return &handles_;
    if (capture_ == Capture::SnapDialog) return &dialogHandles_;
    return nullptr;
}

Point FormEditor::inCapturedFrame(Point onSurface) const {
    if (capture_ != Capture::SnapDialog || !captured_->parent()) return onSurface;
    const Control& dialog = *captured_->parent();
    return {onSurface.x - dialog.left(), onSurface.y - dialog.top()};
}

void FormEditor::endCapture() {
    capture_ = Capture::None;
    captured_ = nullptr;
    bandStart_.reset();
    closeDragStep();
}

void FormEditor::closeDragStep() {
    if (!dragStep_) return;
    const std::string label = std::move(*dragStep_);
    dragStep_.reset();
    undo_.commit(label);
}

std::optional<BandRect> FormEditor::rubberBand() const {
    if (capture_ != Capture::Surface || !bandStart_ || *bandStart_ == lastPoint_)
        return std::nullopt;
    return BandRect::between(*bandStart_, lastPoint_);
}

std::vector<Guide> FormEditor::guides() const {
    if (capture_ == Capture::Snap) return handles_.guides();
    if (capture_ != Capture::SnapDialog || !captured_ || !captured_->parent()) return {};
    // The dialog's children line up inside the dialog: move its lines onto the surface.
    std::vector<Guide> lines = dialogHandles_.guides();
    const Control& dialog = *captured_->parent();
    for (Guide& g : lines) {
        const bool vertical = g.axis == Guide::Axis::Vertical;
        const int along = vertical ? dialog.left() : dialog.top();
        const int across = vertical ? dialog.top() : dialog.left();
        g.at += along;
        g.from += across;
        g.to += across;
    }
    return lines;
}

void FormEditor::finishBand(ShiftState shift) {
    const BandRect band = BandRect::between(*bandStart_, lastPoint_);
    Control* reference = markBand(form_, engine(), touchedControls(form_, band),
                                  shift.has(ShiftState::Shift), bandPrevious_);
    if (!reference) {
        showFormProperties();
        remembered_ = Selection{&form_, nullptr};
        return;
    }
    engine().showProperties(form_, reference);
    remembered_ = workspace_.selected;
}

bool FormEditor::takePopupRequest() { return std::exchange(popupRequested_, false); }

void FormEditor::releaseCapture() {
    if (capture_ == Capture::None) return;
    mouseRelease(lastPoint_, capturedButton_, ShiftState(buttonFlag(capturedButton_)));
}

void FormEditor::mousePress(Point onSurface, MouseButton button, ShiftState shift) {
    // The captured button pressed again, or no longer held: its release was lost on the way.
    if (capture_ != Capture::None &&
        (button == capturedButton_ || !shift.has(buttonFlag(capturedButton_))))
        releaseCapture();
    if (capture_ != Capture::None) return; // another button is already held
    popupRequested_ = false;
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
        // Without a tool, a drag from here is a rubber band; the press selects the form, so
        // the selection before it is kept as the band's preferred reference.
        if (button == MouseButton::Left && workspace_.tool.empty()) {
            bandPrevious_ = selectedHere();
            bandStart_ = onSurface;
        }
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
    GrabHandles& handles = inDialog ? dialogHandles_ : handles_;
    // The pointer arrives before it presses: the edges and Shift at the press decide
    // between move and resize, whatever an earlier hover left.
    handles.move(hit.control, shift.without(kButtons), hit.inParent);
    capture_ = inDialog ? Capture::SnapDialog : Capture::Snap;
    captured_ = hit.control;
    // One step per drag, whatever it moves through on the way.
    dragStep_ = (handles.edges().empty() ? "Move " : "Resize ") + hit.control->name();
    undo_.begin();
    handles.press(*hit.control, button, shift, hit.inParent);
}

void FormEditor::mouseMove(Point onSurface, ShiftState shift) {
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
        GrabHandles& handles = hit.where == Hit::Where::DialogControl ? dialogHandles_ : handles_;
        handles.move(hit.control, shift, hit.inParent);
        pointer_ = handles.pointer();
    }
}

void FormEditor::mouseRelease(Point onSurface, MouseButton button, ShiftState shift) {
    if (captured_ && !form_.contains(captured_)) endCapture();
    lastPoint_ = onSurface;
    const Capture capture = capture_;
    Control* target = captured_;
    const Point inFrame = inCapturedFrame(onSurface);
    const bool band = rubberBand().has_value();
    capture_ = Capture::None;
    captured_ = nullptr;
    switch (capture) {
    case Capture::None:
    case Capture::Outside:
        return;
    case Capture::Surface:
        if (band && button == MouseButton::Left)
            finishBand(shift);
        else
            surfaceMouseUp(form_.surface(), button, onSurface.x, onSurface.y);
        bandStart_.reset();
        return;
    case Capture::Menu:
        controlMouseUp(*target, shift, false);
        return;
    case Capture::Snap:
    case Capture::SnapDialog:
        break;
    }
    GrabHandles& handles = capture == Capture::SnapDialog ? dialogHandles_ : handles_;
    handles.release(button, shift, inFrame);
    // Then the control itself sees the release: lists settle on whole rows, and the tested
    // dialog places the chosen tool's control where it was clicked.
    if (!form_.contains(target)) {
        closeDragStep();
        return;
    }
    target->afterMouseRelease();
    closeDragStep();
    popupRequested_ = button == MouseButton::Right;
    if (capture == Capture::Snap && target == static_cast<Control*>(form_.currentDialog()))
        surfaceMouseUp(*target, button, onSurface.x - target->left(), onSurface.y - target->top());
}

} // namespace ornadeck
