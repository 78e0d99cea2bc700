#include "render/PToolboxPainter.h"

#include "model/TPTDialog.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"
#include "render/DialogPainter.h"
#include "render/PToolboxPaintParts.h"
#include "render/SelectionMarks.h"

namespace ornadeck {

void beginPTPaint(Canvas& canvas, const Control& control) {
    canvas.fillRect(0, 0, control.width() - 1, control.height() - 1, control.color());
    canvas.setFont(control.font());
    canvas.setFontColor(fontInk(control.font()));
    canvas.setPen(kBlack);
    canvas.clearBrush();
}

namespace {

void paintLabel(Canvas& canvas, const TPTLabel& label) {
    canvas.setFontColor(kBlack);
    canvas.text(0, 0, label.content());
}

void paintPopTrigger(Canvas& canvas, const TPTPopTrigger& trigger) {
    canvas.setPen(kBlack);
    const int y = (trigger.height() - canvas.textHeight(trigger.text())) / 2;
    canvas.text(15, y, trigger.text());
    canvas.setBrush(kBlack);
    canvas.polygon({{3, y + 4}, {10, y + 4}, {7, y + 7}, {6, y + 7}});
}

void paintCheckbox(Canvas& canvas, const TPTCheckbox& box) {
    const int y = (box.height() - canvas.textHeight(box.content())) / 2;
    const auto drawBox = [&] {
        canvas.setPen(kBlack);
        canvas.polygon({{3, y + 3}, {10, y + 3}, {10, y + 10}, {3, y + 10}});
    };
    const auto drawTick = [&](Color c) {
        canvas.setPen(c);
        canvas.polyline({{5, y + 6}, {7, y + 8}, {13, y + 2}});
        canvas.polyline({{5, y + 5}, {7, y + 7}, {13, y + 1}});
        canvas.polyline({{6, y + 5}, {7, y + 6}, {12, y + 1}});
    };
    if (box.state() == 0) {
        // Drawn in the surface colour so a tick left by an earlier drawing disappears.
        drawTick(box.color());
        drawBox();
    } else {
        drawBox();
        drawTick(kBlack);
        canvas.pixel(9, y + 5, box.color());
        canvas.pixel(10, y + 6, box.color());
    }
    canvas.text(18, y + 1, box.content());
}

void paintGsi(Canvas& canvas, const TPTGsi& gsi) {
    canvas.setPen(kBlack);
    canvas.setBrush(kBlack);
    canvas.polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 2}, {0, 3}, {3, 0}});
    if (!gsi.selected()) return;
    // Its own smaller marks: eight 3 x 3 squares would hide the whole arrow.
    const int w = gsi.width(), h = gsi.height();
    for (const Point p : {Point{0, 0}, Point{w - 2, 0}, Point{w - 2, h - 2}, Point{0, h - 2}})
        canvas.fillRect(p.x, p.y, p.x + 1, p.y + 1, gsi.selectColor());
}

} // namespace

bool paintPTControl(Canvas& canvas, const Control& control) {
    switch (control.classId()) {
    case ClassId::PTDialog:
        paintDialog(canvas, static_cast<const TPTDialog&>(control));
        return true;
    case ClassId::PTGsi:
    case ClassId::PTButton:
    case ClassId::PTCheckbox:
    case ClassId::PTLabel:
    case ClassId::PTList:
    case ClassId::PTPopTrigger:
    case ClassId::PTEdit:
        break;
    default:
        return false;
    }
    beginPTPaint(canvas, control);
    switch (control.classId()) {
    case ClassId::PTGsi:
        paintGsi(canvas, static_cast<const TPTGsi&>(control));
        return true; // the GSI draws its own marks
    case ClassId::PTButton:
        paintPTButton(canvas, static_cast<const TPTButton&>(control));
        break;
    case ClassId::PTCheckbox:
        paintCheckbox(canvas, static_cast<const TPTCheckbox&>(control));
        break;
    case ClassId::PTLabel:
        paintLabel(canvas, static_cast<const TPTLabel&>(control));
        break;
    case ClassId::PTList:
        paintPTList(canvas, static_cast<const TPTList&>(control));
        break;
    case ClassId::PTPopTrigger:
        paintPopTrigger(canvas, static_cast<const TPTPopTrigger&>(control));
        break;
    default:
        paintPTEdit(canvas, static_cast<const TPTEdit&>(control));
        break;
    }
    paintSelectionMarks(canvas, control);
    return true;
}

} // namespace ornadeck
