#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "render/CControlsPictures.h"
#include "render/Canvas.h"

namespace ornadeck::ccpaint {

void drawMenuBar(Canvas& canvas, const TCCMenuBar&) {
    canvas.setPen(kBlack);
    canvas.clearBrush();
    canvas.polygon({{1, 0}, {157, 0}, {158, 1}, {158, 12}, {157, 13}, {1, 13}, {0, 12}, {0, 1}});
    canvas.line(159, 2, 159, 11);
    canvas.line(2, 14, 156, 14);
}

void drawMenu(Canvas& canvas, const TCCMenu& menu) {
    const int w = menu.width(), h = menu.height(), u = menu.userWidth();
    const Color fill = menu.color();
    const bool open = menu.test() != 0;

    canvas.setPen(kBlack);
    if (open) {
        const int t = menu.topicWidth();
        canvas.setBrush(kBlack);
        canvas.polygon({{1, 0}, {t, 0}, {t, 13}, {1, 13}});
        drawText(canvas, 4, 1, menu.topic(), fill, kBlack);
        for (int i = 0; i < menu.itemCount(); ++i)
            drawText(canvas, 2, 11 * i + 14, menu.items()[static_cast<std::size_t>(i)], kBlack,
                     std::nullopt);
    } else {
        drawText(canvas, 4, 1, menu.topic(), kBlack, fill);
    }

    canvas.clearBrush();
    if (!open || menu.itemCount() == 0) {
        canvas.line(0, 13, w, 13);
        canvas.line(0, 14, w, 14);
    } else {
        canvas.polygon(
            {{0, 13}, {u - 2, 13}, {u - 2, h - 3}, {u - 3, h - 2}, {1, h - 2}, {0, h - 3}});
        canvas.line(u - 1, 13, u - 1, h - 4);
        canvas.line(u - 4, h - 1, 2, h - 1);
        canvas.line(0, 13, w, 13);
        canvas.line(u - 2, 14, w, 14);
    }
    canvas.line(0, 0, w, 0);
}

} // namespace ornadeck::ccpaint
