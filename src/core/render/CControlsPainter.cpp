#include "render/CControlsPainter.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCDropDown.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "cclib/TextLineControl.h"
#include "codegen/BitmapString.h"
#include "render/CControlsPictures.h"
#include "render/Canvas.h"
#include "render/SelectionMarks.h"

#include <algorithm>

namespace ornadeck {
namespace {

// The common frame around a kind's picture; false when the control is not of class T.
template <class T>
bool paintAs(Canvas& canvas, const Control& control, void (*draw)(Canvas&, const T&)) {
    const T* typed = dynamic_cast<const T*>(&control);
    if (!typed) return false;
    canvas.fillRect(0, 0, control.width() - 1, control.height() - 1, control.color());
    canvas.setFont(control.font());
    draw(canvas, *typed);
    paintSelectionMarks(canvas, control);
    return true;
}

} // namespace

bool paintCControl(Canvas& canvas, const Control& control) {
    using namespace ccpaint;
    switch (control.classId()) {
    case ClassId::CCButton:
        return paintAs(canvas, control, &drawButton);
    case ClassId::CCSwitch:
        return paintAs(canvas, control, &drawSwitch);
    case ClassId::CCLabel:
    case ClassId::CCEdit:
        return paintAs(canvas, control, &drawTextLine);
    case ClassId::CCCheckbox:
        return paintAs(canvas, control, &drawCheckbox);
    case ClassId::CCListBox:
        return paintAs(canvas, control, &drawListBox);
    case ClassId::CCRadio:
        return paintAs(canvas, control, &drawRadio);
    case ClassId::CCDropDown:
        return paintAs(canvas, control, &drawDropDown);
    case ClassId::CCPopUp:
        return paintAs(canvas, control, &drawPopUp);
    case ClassId::CCBitmap:
        return paintAs(canvas, control, &drawBitmap);
    case ClassId::CCMenuBar:
        return paintAs(canvas, control, &drawMenuBar);
    case ClassId::CCMenu:
        return paintAs(canvas, control, &drawMenu);
    default:
        return false;
    }
}

namespace ccpaint {

void drawText(Canvas& canvas, int x, int y, std::string_view text, Color ink,
              std::optional<Color> background) {
    if (text.empty()) return;
    if (background)
        canvas.setBrush(*background);
    else
        canvas.clearBrush();
    canvas.setFontColor(ink);
    canvas.text(x, y, text);
}

void drawBitmap(Canvas& canvas, const TCCBitmap& bitmap) {
    const int w = bitmap.width();
    // Only rows the text reaches can hold a black pixel, which also bounds the decoded grid.
    const long long perRow = (w + 3) / 4;
    const long long rows =
        (static_cast<long long>(bitmap.stringBits().size()) + perRow - 1) / perRow;
    const int h = static_cast<int>(std::min<long long>(bitmap.height(), rows));
    const BitGrid bits = decodeStringBits(bitmap.stringBits(), w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (bits.at(x, y)) canvas.pixel(x, y, kBlack);
}

} // namespace ccpaint
} // namespace ornadeck
