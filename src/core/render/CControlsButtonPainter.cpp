#include "cclib/TCCButton.h"
#include "cclib/TCCSwitch.h"
#include "render/CControlsPictures.h"
#include "render/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace ornadeck::ccpaint {
namespace {

struct ButtonLook {
    std::string_view caption;
    int line;
    int radius;
    bool pressed;
    int captionShift;
};

// Every pixel of a straight or diagonal segment, both ends included.
template <class F> void walk(Point a, Point b, F&& visit) {
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int k = 0; k <= steps; ++k) {
        const long long dx = b.x - a.x, dy = b.y - a.y;
        visit(steps == 0 ? a.x : static_cast<int>(a.x + dx * k / steps),
              steps == 0 ? a.y : static_cast<int>(a.y + dy * k / steps));
    }
}

// The gray frame: every other outline pixel goes back to the fill colour, counted along x on
// the top, bottom and three of the diagonals and along y on the sides and the top-left one.
void dotOutline(Canvas& canvas, const std::vector<Point>& octagon, Color fill) {
    constexpr bool countsY[8] = {false, false, true, false, false, false, true, true};
    for (std::size_t i = 0; i < octagon.size(); ++i)
        walk(octagon[i], octagon[(i + 1) % octagon.size()], [&](int x, int y) {
            if (((countsY[i] ? y : x) & 1) != 0) canvas.pixel(x, y, fill);
        });
}

void drawFramedButton(Canvas& canvas, const Control& c, const ButtonLook& look) {
    const int w = c.width(), h = c.height();
    const Color fill = c.color();
    // Any Edge may be stored; corners never reach past the middle of the button.
    const int radius = std::clamp(look.radius, 0, std::min(w, h) / 2 + 1);
    const int r = radius > 1 ? radius - 1 : radius;
    const std::vector<Point> octagon{
        {r, 0},     {w - 1 - r, 0}, {w - 1, r}, {w - 1, h - 1 - r}, {w - 1 - r, h - 1},
        {r, h - 1}, {0, h - 1 - r}, {0, r}};
    if (look.line == kLineWhite)
        canvas.clearPen();
    else
        canvas.setPen(kBlack);
    canvas.setBrush(look.pressed ? kBlack : fill);
    canvas.polygon(octagon);

    // The classic Palm corner: one black pixel inside each rounded corner.
    const bool palmCorner = look.radius == 4 && look.line == kLineBlack;
    if (palmCorner || !look.pressed)
        for (const Point p : {Point{1, 1}, Point{w - 2, 1}, Point{w - 2, h - 2}, Point{1, h - 2}})
            canvas.pixel(p.x, p.y, palmCorner ? kBlack : fill);
    if (look.line == kLineGray) dotOutline(canvas, octagon, fill);

    const int x = (w - canvas.textWidth(look.caption)) / 2 + look.captionShift;
    const int y = (h - canvas.textHeight(look.caption)) / 2;
    if (look.pressed)
        drawText(canvas, x, y, look.caption, fill, kBlack);
    else
        drawText(canvas, x, y, look.caption, kBlack, fill);
}

} // namespace

void drawButton(Canvas& canvas, const TCCButton& button) {
    const bool select = button.tag() == TCCButton::kSelectTag;
    drawFramedButton(canvas, button,
                     {button.content(), button.line(), button.radius(), false, select ? 1 : 0});
}

void drawSwitch(Canvas& canvas, const TCCSwitch& button) {
    drawFramedButton(canvas, button,
                     {button.content(), button.line(), button.radius(), button.state() != 0, 0});
}

} // namespace ornadeck::ccpaint
