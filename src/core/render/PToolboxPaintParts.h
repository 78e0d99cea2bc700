#pragma once

#include "model/Control.h"
#include "render/Canvas.h"

#include <string_view>

namespace ornadeck {

class TPTButton;
class TPTEdit;
class TPTList;

// The panel every PToolboxLib control starts from: its window filled with its colour, its
// font taken, the brush clear.
void beginPTPaint(Canvas& canvas, const Control& control);

// The colour text takes "in the font's own colour". A system colour reference (the font's
// default is the window text colour) is black on the designer's Palm screen.
inline Color fontInk(const Font& font) {
    return (font.color & 0x80000000u) != 0 ? kBlack : font.color & 0xFFFFFFu;
}

// Inclusive runs of pixels that, unlike fillRect, draw nothing when the range is reversed,
// so frames of tiny controls lose their parts instead of growing stray ones.
inline void hRun(Canvas& canvas, int x1, int x2, int y, Color c) {
    if (x1 <= x2) canvas.fillRect(x1, y, x2, y, c);
}
inline void vRun(Canvas& canvas, int x, int y1, int y2, Color c) {
    if (y1 <= y2) canvas.fillRect(x, y1, x, y2, c);
}

// Text over a brush; empty text is skipped, as the canvas would fill a stray column pair for
// its reversed, zero-wide box.
inline void textOver(Canvas& canvas, int x, int y, std::string_view text) {
    if (!text.empty()) canvas.text(x, y, text);
}

void paintPTButton(Canvas& canvas, const TPTButton& button);
void paintPTList(Canvas& canvas, const TPTList& list);
void paintPTEdit(Canvas& canvas, const TPTEdit& edit);

} // namespace ornadeck
