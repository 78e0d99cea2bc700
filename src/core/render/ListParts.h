#pragma once

namespace ornadeck {

class Canvas;
class ItemsControl;

// The pieces both libraries' lists are drawn with.

// The frame with cut corners around (0, 0) to (w-2, h-2), outline only.
void drawCutCornerFrame(Canvas& canvas, int w, int h);

// The "more below" arrow at (x, y) when there are more items than visible rows. Over a
// selected last visible row, which is black, it takes the fill colour to stay visible.
void drawScrollArrow(Canvas& canvas, const ItemsControl& list, int visibleRows, int x, int y);
// The "more above" arrow at (x, y) when the list is scrolled down (only in a preview).
void drawScrollUpArrow(Canvas& canvas, const ItemsControl& list, int x, int y);

} // namespace ornadeck
