#include "cclib/TCCDropDown.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "render/CControlsPictures.h"
#include "render/Canvas.h"
#include "render/ListParts.h"

#include <algorithm>

namespace ornadeck::ccpaint {
namespace {

constexpr int kRow = 11;

// Rows from x = 1 to `right`, one more than `visible` so a partly shown row appears; the
// selected row inverted. Rows are cut at `bottom`, the frame's bottom edge.
void drawRows(Canvas& canvas, const ItemsControl& list, int visible, int right, int bottom) {
    const Color fill = list.color();
    const int first = list.firstShown();
    for (int i = 0; first + i < list.itemCount() && i <= visible; ++i) {
        const int top = kRow * i + 1;
        if (top > bottom || right < 1) break;
        const bool selected = first + i == list.selectedItem();
        canvas.fillRect(1, top, right, std::min(top + kRow - 1, bottom), selected ? kBlack : fill);
        drawText(canvas, 2, top, list.items()[static_cast<std::size_t>(first + i)],
                 selected ? fill : kBlack, std::nullopt);
    }
}

// An open drop-down list: a frame with cut corners, rows, and a shadow right and below.
void drawOpenList(Canvas& canvas, const ItemsControl& list, int visible) {
    const int w = list.width(), h = list.height();
    drawCutCornerFrame(canvas, w, h);
    drawRows(canvas, list, visible, w - 3, h - 2);
    drawScrollArrow(canvas, list, visible, w - 8, h - 10);
    drawScrollUpArrow(canvas, list, w - 8, 2);
    canvas.setPen(kBlack);
    canvas.line(w - 1, 2, w - 1, h - 4);
    canvas.line(w - 4, h - 1, 2, h - 1);
    canvas.polygon({{w - 3, h - 2}, {1, h - 2}});
}

} // namespace

void drawListBox(Canvas& canvas, const TCCListBox& list) {
    const int w = list.width(), h = list.height();
    canvas.setPen(kBlack);
    canvas.clearBrush();
    canvas.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    drawRows(canvas, list, list.visibleItems(), w - 2, h - 1);
    drawScrollArrow(canvas, list, list.visibleItems(), w - 7, h - 9);
    drawScrollUpArrow(canvas, list, w - 7, 2);
    canvas.setPen(kBlack);
    canvas.polygon({{0, h - 1}, {w - 1, h - 1}});
}

void drawDropDown(Canvas& canvas, const TCCDropDown& list) {
    if (list.testItems() != 0) {
        drawOpenList(canvas, list, list.visibleItems());
        return;
    }
    const int selected = list.selectedItem();
    if (selected >= 0 && selected < list.itemCount())
        drawText(canvas, 12, 1, list.items()[static_cast<std::size_t>(selected)], kBlack,
                 std::nullopt);
    canvas.setPen(kBlack);
    canvas.setBrush(kBlack);
    canvas.polygon({{1, 5}, {8, 5}, {5, 8}, {4, 8}});
}

void drawPopUp(Canvas& canvas, const TCCPopUp& list) {
    drawOpenList(canvas, list, list.visibleItems());
}

void drawRadio(Canvas& canvas, const TCCRadio& radio) {
    const int w = radio.width(), h = radio.height(), n = radio.itemCount();
    const bool stacked = radio.orientation() != 0;
    const int cw = n > 0 ? w / n : w, ch = n > 0 ? h / n : h;
    canvas.setPen(kBlack);
    for (int i = 0; i < n; ++i) {
        const bool selected = i == radio.selectedItem();
        const std::string& text = radio.items()[static_cast<std::size_t>(i)];
        const int tw = canvas.textWidth(text), th = canvas.textHeight(text);
        int x1 = 0, y1 = 0, x2 = w - 1, y2 = h - 1, tx = 0, ty = 0;
        if (stacked) {
            y1 = ch * i;
            y2 = std::min(y1 + ch, h - 1);
            tx = (w - tw) / 2;
            ty = y1 + ch / 2 - th / 2;
        } else {
            x1 = cw * i;
            x2 = std::min(x1 + cw, w - 1);
            tx = x1 + cw / 2 - tw / 2;
            ty = (h - th) / 2;
        }
        canvas.setBrush(selected ? kBlack : radio.color());
        canvas.polygon({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
        drawText(canvas, tx, ty, text, selected ? radio.color() : kBlack, std::nullopt);
    }
}

} // namespace ornadeck::ccpaint
