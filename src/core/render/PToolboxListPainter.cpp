#include "ptlib/TPTList.h"
#include "render/ListParts.h"
#include "render/PToolboxPaintParts.h"

#include <algorithm>

namespace ornadeck {

namespace {

void paintRows(Canvas& canvas, const TPTList& list, int r) {
    const int w = list.width();
    // Only the visible rows: a row more would hang below the frame, and its fill would show
    // beside the shadow of a pop-up style list when its item is the selected one.
    const int first = list.firstShown();
    const int rows = std::min(list.itemCount() - first, list.maxItems());
    for (int i = 0; i < rows; ++i) {
        const bool selected = first + i == list.selectedItem();
        const Color fill = selected ? kBlack : list.color();
        canvas.setPen(fill);
        canvas.setBrush(fill);
        canvas.setFontColor(selected ? list.color() : kBlack);
        if (w - 3 >= 1) canvas.fillRect(1, i * r + 1, w - 3, i * r + r, fill);
        textOver(canvas, 2, i * r + 1, list.items()[static_cast<std::size_t>(first + i)]);
    }
}

} // namespace

void paintPTList(Canvas& canvas, const TPTList& list) {
    const int w = list.width(), h = list.height();
    const int r = list.rowHeight();
    const bool standAlone = list.style() == TPTList::kStandAlone;
    canvas.setPen(kBlack);
    canvas.clearBrush();
    if (standAlone)
        canvas.polygon({{0, 0}, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}});
    else
        drawCutCornerFrame(canvas, w, h);
    paintRows(canvas, list, r);
    drawScrollArrow(canvas, list, list.maxItems(), w - 8, h - 10);
    drawScrollUpArrow(canvas, list, w - 8, 2);
    // Closing lines: the bottom edge again, and below it the surface or a shadow.
    canvas.setPen(kBlack);
    canvas.clearBrush();
    if (standAlone) {
        canvas.polygon({{w - 2, h - 2}, {0, h - 2}});
        canvas.setPen(list.color());
        canvas.polygon({{w - 2, h - 1}, {0, h - 1}});
    } else {
        canvas.polygon({{w - 1, 2}, {w - 1, h - 4}});
        canvas.polygon({{w - 4, h - 1}, {2, h - 1}});
        canvas.polygon({{w - 3, h - 2}, {1, h - 2}});
    }
}

} // namespace ornadeck
