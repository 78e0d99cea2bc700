#include "render/DialogPainter.h"

#include "model/TPTDialog.h"
#include "render/PToolboxPaintParts.h"
#include "render/SelectionMarks.h"

namespace ornadeck {

namespace {

// The grid covers the Palm screen, not the dialog: dots show wherever the window reaches.
constexpr int kScreenSize = 160;

void paintGrid(Canvas& canvas, const TPTDialog& dialog) {
    // The dots step one less than the grid space; a space below 2 would step by nothing.
    const long long step = dialog.gridSpace() - 1LL;
    if (dialog.gridVisible() == 0 || step < 1 || !canvas.designAidsShown()) return;
    for (long long y = 0; y < kScreenSize; y += step)
        for (long long x = 0; x < kScreenSize; x += step)
            canvas.pixel(static_cast<int>(x), static_cast<int>(y), kGray);
}

void paintFrame(Canvas& canvas, int w, int h) {
    hRun(canvas, 2, w - 3, 0, kBlack);
    hRun(canvas, 1, w - 2, 1, kBlack);
    for (const int x : {0, 1, w - 2, w - 1})
        vRun(canvas, x, 2, h - 3, kBlack);
    hRun(canvas, 1, w - 2, h - 2, kBlack);
    hRun(canvas, 2, w - 3, h - 1, kBlack);
    canvas.pixel(2, h - 3, kBlack);
    canvas.pixel(w - 3, h - 3, kBlack);
}

} // namespace

void paintDialog(Canvas& canvas, const TPTDialog& dialog) {
    const int w = dialog.width(), h = dialog.height();
    beginPTPaint(canvas, dialog);
    paintGrid(canvas, dialog);
    canvas.setPen(kBlack);
    paintFrame(canvas, w, h);
    canvas.setBrush(kBlack);
    if (w - 3 >= 2) canvas.fillRect(2, 2, w - 3, 13, kBlack);
    canvas.setFontColor(dialog.color());
    textOver(canvas, (w - canvas.textWidth(dialog.title())) / 2, 2, dialog.title());
    paintSelectionMarks(canvas, dialog);
}

} // namespace ornadeck
