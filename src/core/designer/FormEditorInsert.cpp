// Placing a control without the pointer.
#include "designer/FormEditor.h"
#include "designer/FreePlace.h"
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

    const std::string chosen = workspace_.tool;
    const bool locked = workspace_.toolLocked;
    workspace_.chooseTool(tool, false);
    surfaceMouseUp(parent, MouseButton::Left, at.x, at.y);
    workspace_.chooseTool(chosen, locked);
}

} // namespace ornadeck
