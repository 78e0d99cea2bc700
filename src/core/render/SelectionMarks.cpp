#include "render/SelectionMarks.h"

#include "model/Control.h"
#include "render/Canvas.h"

namespace ornadeck {

void paintSelectionMarks(Canvas& canvas, const Control& control) {
    if (!control.selected() || !canvas.designAidsShown()) return;
    const int w = control.width(), h = control.height();
    const int mx = w / 2 - 1, my = h / 2 - 1;
    const Point corners[] = {{0, 0},         {mx, 0},     {w - 3, 0}, {w - 3, my},
                             {w - 3, h - 3}, {mx, h - 3}, {0, h - 3}, {0, my}};
    canvas.setPen(control.selectColor());
    canvas.setBrush(control.selectColor());
    for (const Point p : corners)
        canvas.polygon({{p.x, p.y}, {p.x + 2, p.y}, {p.x + 2, p.y + 2}, {p.x, p.y + 2}});
}

} // namespace ornadeck
