#include "render/ListParts.h"

#include "model/ItemsControl.h"
#include "render/Canvas.h"

namespace ornadeck {

void drawCutCornerFrame(Canvas& canvas, int w, int h) {
    canvas.setPen(kBlack);
    canvas.clearBrush();
    canvas.polygon({{1, 0},
                    {w - 3, 0},
                    {w - 2, 1},
                    {w - 2, h - 3},
                    {w - 3, h - 2},
                    {1, h - 2},
                    {0, h - 3},
                    {0, 1}});
}

void drawScrollArrow(Canvas& canvas, const ItemsControl& list, int visibleRows, int x, int y) {
    if (list.itemCount() <= list.firstShown() + visibleRows) return;
    const int lastRow = list.selectedItem() - list.firstShown() + 1;
    const Color c = visibleRows == lastRow ? list.color() : kBlack;
    canvas.setPen(c);
    canvas.setBrush(c);
    canvas.polygon({{x, y},
                    {x + 2, y},
                    {x + 2, y + 3},
                    {x + 4, y + 3},
                    {x + 1, y + 6},
                    {x - 2, y + 3},
                    {x, y + 3}});
}

void drawScrollUpArrow(Canvas& canvas, const ItemsControl& list, int x, int y) {
    if (list.firstShown() <= 0) return;
    const Color c = list.selectedItem() == list.firstShown() ? list.color() : kBlack;
    canvas.setPen(c);
    canvas.setBrush(c);
    canvas.polygon({{x + 1, y},
                    {x + 4, y + 3},
                    {x + 2, y + 3},
                    {x + 2, y + 6},
                    {x, y + 6},
                    {x, y + 3},
                    {x - 2, y + 3}});
}

} // namespace ornadeck
