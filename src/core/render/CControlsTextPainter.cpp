#include "cclib/TCCCheckbox.h"
#include "cclib/TextLineControl.h"
#include "render/CControlsPictures.h"
#include "render/Canvas.h"

namespace ornadeck::ccpaint {

void drawTextLine(Canvas& canvas, const TextLineControl& c) {
    const int w = c.width(), h = c.height();
    const Color fill = c.color();
    const bool dotted = c.line() == kLineGray;
    if (c.line() == kLineWhite)
        canvas.clearPen();
    else
        canvas.setPen(kBlack);
    canvas.clearBrush();

    if (c.style() == TextLineControl::kUnderlined) {
        canvas.line(0, h - 1, w - 1, h - 1);
        if (dotted)
            for (int x = 0; x < w - 1; ++x)
                if (x < 2 || (x & 1) != 0) canvas.pixel(x, h - 1, fill);
    } else if (c.style() == TextLineControl::kBoxed) {
        canvas.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
        if (dotted) {
            for (int x = 1; x < w; x += 2) {
                canvas.pixel(x, 0, fill);
                canvas.pixel(x, h - 1, fill);
            }
            for (int y = 1; y < h; y += 2) {
                canvas.pixel(0, y, fill);
                canvas.pixel(w - 1, y, fill);
            }
        }
    }

    const int tw = canvas.textWidth(c.content());
    int x = 2;
    if (c.alignment() == Alignment::Center) x = (w - tw) / 2;
    if (c.alignment() == Alignment::Right) x = w - tw - 2;
    drawText(canvas, x, (h - canvas.textHeight(c.content())) / 2, c.content(), kBlack,
             std::nullopt);
}

void drawCheckbox(Canvas& canvas, const TCCCheckbox& box) {
    canvas.setPen(kBlack);
    canvas.clearBrush();
    canvas.polygon({{2, 3}, {9, 3}, {9, 10}, {2, 10}});
    // Unchecked, the mark would be drawn in the fill colour over a freshly filled window: a
    // no-op, so only the checked mark is drawn.
    if (box.state() == 1) {
        canvas.polyline({{4, 6}, {6, 8}, {12, 2}});
        canvas.polyline({{4, 5}, {6, 7}, {12, 1}});
        canvas.polyline({{5, 5}, {6, 6}, {11, 1}});
        // Gaps in the box beside the tick, as Palm draws it.
        canvas.pixel(8, 3, box.color());
        canvas.pixel(9, 6, box.color());
    }
    drawText(canvas, 13, 1, box.content(), kBlack, std::nullopt);
}

} // namespace ornadeck::ccpaint
