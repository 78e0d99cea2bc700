#pragma once

#include "model/Library.h"

#include <optional>
#include <string_view>

namespace ornadeck {

class Canvas;
class ItemsControl;
class TCCBitmap;
class TCCButton;
class TCCCheckbox;
class TCCDropDown;
class TCCListBox;
class TCCMenu;
class TCCMenuBar;
class TCCPopUp;
class TCCRadio;
class TCCSwitch;
class TextLineControl;

// The picture of each CControls kind, drawn over a window already filled with its colour.
namespace ccpaint {

void drawButton(Canvas& canvas, const TCCButton& button);
void drawSwitch(Canvas& canvas, const TCCSwitch& button);
void drawTextLine(Canvas& canvas, const TextLineControl& line);
void drawCheckbox(Canvas& canvas, const TCCCheckbox& box);
void drawBitmap(Canvas& canvas, const TCCBitmap& bitmap);
void drawListBox(Canvas& canvas, const TCCListBox& list);
void drawRadio(Canvas& canvas, const TCCRadio& radio);
void drawDropDown(Canvas& canvas, const TCCDropDown& list);
void drawPopUp(Canvas& canvas, const TCCPopUp& list);
void drawMenuBar(Canvas& canvas, const TCCMenuBar& bar);
void drawMenu(Canvas& canvas, const TCCMenu& menu);

// Text in `ink`; a background colour fills the text's cell first, none leaves it see-through.
void drawText(Canvas& canvas, int x, int y, std::string_view text, Color ink,
              std::optional<Color> background);

} // namespace ccpaint
} // namespace ornadeck
