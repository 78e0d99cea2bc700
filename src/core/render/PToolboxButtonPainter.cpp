#include "ptlib/TPTButton.h"
#include "render/PToolboxPaintParts.h"

namespace ornadeck {

namespace {

// The bold frame: two pixels thick with rounded corners, each row mirrored at the bottom.
void paintBoldFrame(Canvas& canvas, int w, int h) {
    const auto mirrored = [&](int row, int x1, int x2) {
        hRun(canvas, x1, x2, row, kBlack);
        hRun(canvas, x1, x2, h - 1 - row, kBlack);
    };
    mirrored(0, 5, w - 7);
    mirrored(1, 3, w - 5);
    mirrored(2, 2, 5);
    mirrored(2, w - 7, w - 4);
    mirrored(3, 1, 3);
    mirrored(3, w - 5, w - 3);
    mirrored(4, 1, 2);
    mirrored(4, w - 4, w - 3);
    mirrored(5, 0, 2);
    mirrored(5, w - 4, w - 2);
    for (int y = 6; y <= h - 7; ++y) {
        hRun(canvas, 0, 1, y, kBlack);
        hRun(canvas, w - 3, w - 2, y, kBlack);
    }
}

} // namespace

void paintPTButton(Canvas& canvas, const TPTButton& button) {
    const int w = button.width(), h = button.height();
    const int frame = button.frame();
    canvas.setBrush(button.color());
    if (frame == TPTButton::kNoFrame)
        canvas.clearPen();
    else
        canvas.setPen(kBlack);
    if (frame == TPTButton::kBold) {
        paintBoldFrame(canvas, w, h);
    } else {
        const int c = frame == TPTButton::kSquare ? 0 : 3;
        canvas.polygon({{c + 1, 1},
                        {w - 2 - c, 1},
                        {w - 2, c + 1},
                        {w - 2, h - 2 - c},
                        {w - 2 - c, h - 2},
                        {c + 1, h - 2},
                        {1, h - 2 - c},
                        {1, c + 1}});
        const Color corner = frame == TPTButton::kStandard ? kBlack : button.color();
        for (const Point p : {Point{2, 2}, Point{w - 3, 2}, Point{w - 3, h - 3}, Point{2, h - 3}})
            canvas.pixel(p.x, p.y, corner);
    }
    canvas.setFontColor(kBlack);
    const std::string& text = button.text();
    textOver(canvas, (w - canvas.textWidth(text)) / 2, (h - canvas.textHeight(text)) / 2, text);
}

} // namespace ornadeck
