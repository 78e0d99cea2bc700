// Placing a control without a click on the screen: by keyboard, or dropped from the toolbar.
#include "designer/FormEditor.h"
#include "designer/FreePlace.h"
#include "designer/HitTest.h"
#include "engine/Engine.h"
#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck {

namespace {

// The band a title takes at the top of a form's screen and of a dialog.
constexpr int kTitleBand = 15;
constexpr int kInsertGrid = 4;

} // namespace

void FormEditor::insertControl(const std::string& tool) {
    const std::unique_ptr<Control> sample = engine().sampleOf(tool);
    if (!sample) return;
    TPTDialog* dialog = form_.currentDialog();
    Control& parent = dialog && tool != "Dialog" ? static_cast<Control&>(*dialog) : form_.surface();
    const Box area{0, kTitleBand, parent.width(), parent.height() - kTitleBand};
    const Box size{sample->left(), sample->top(), sample->width(), sample->height()};
    std::vector<Box> taken;
    for (const auto& child : parent.children())
        taken.push_back({child->left(), child->top(), child->width(), child->height()});
    const Point at = firstFreePoint(area, size, taken, kInsertGrid).value_or(Point{0, kTitleBand});

    placeWithTool(tool, parent, at);
}

void FormEditor::placeWithTool(const std::string& tool, Control& parent, Point at) {
    const std::string chosen = workspace_.tool;
    const bool locked = workspace_.toolLocked;
    workspace_.chooseTool(tool, false);
    surfaceMouseUp(parent, MouseButton::Left, at.x, at.y);
    workspace_.chooseTool(chosen, locked);
}

bool FormEditor::acceptsDrop(Point onSurface) const {
    return hitTest(form_, onSurface).where != Hit::Where::Outside;
}

bool FormEditor::dropControl(const std::string& tool, Point onSurface) {
    if (!acceptsDrop(onSurface)) return false;
    activate(); // a drop may land on a window other than the active one
    const Hit hit = hitTest(form_, onSurface);
    TPTDialog* dialog = form_.currentDialog();
    const bool onDialog = dialog && tool != "Dialog" &&
                          (hit.where == Hit::Where::DialogControl ||
                           (hit.where == Hit::Where::SurfaceControl && hit.control == dialog));
    if (onDialog) {
        placeWithTool(tool, *dialog, {onSurface.x - dialog->left(), onSurface.y - dialog->top()});
    } else {
        placeWithTool(tool, form_.surface(), onSurface);
    }
    return true;
}

} // namespace ornadeck
