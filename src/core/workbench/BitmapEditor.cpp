#include "workbench/BitmapEditor.h"

#include "cclib/TCCBitmap.h"
#include "model/Ui.h"

namespace ornadeck {

BitmapEditor::BitmapEditor(int width, int height, std::string_view stringBits)
    : bits_(decodeStringBits(stringBits, width, height)) {}

BitmapEditor::BitmapEditor(const TCCBitmap& picture)
    : BitmapEditor(picture.width(), picture.height(), picture.stringBits()) {}

std::string BitmapEditor::refusal(int width, int height) {
    if (width <= kMaxSide && height <= kMaxSide) return {};
    return "The bitmap editor edits pictures of up to " + std::to_string(kMaxSide) + " x " +
           std::to_string(kMaxSide) + " pixels; this one is " + std::to_string(width) + " x " +
           std::to_string(height) + ".";
}

bool BitmapEditor::inside(Point cell) const {
    return cell.x >= 0 && cell.y >= 0 && cell.x < width() && cell.y < height();
}

void BitmapEditor::press(Point cell) {
    if (!inside(cell)) return;
    current_ = cell;
    bits_.set(cell.x, cell.y, !bits_.at(cell.x, cell.y));
}

void BitmapEditor::select(Point cell) {
    if (inside(cell)) current_ = cell;
}

void BitmapEditor::move(Point cell, ShiftState held) {
    if (!held.has(ShiftState::LeftButton) || !inside(cell)) return;
    current_ = cell;
    if (held.isExactly(ShiftState::LeftButton))
        bits_.set(cell.x, cell.y, true);
    else if (held.isExactly(ShiftState::LeftButton | ShiftState::Shift))
        bits_.set(cell.x, cell.y, false);
}

bool BitmapEditor::clear(Ui& ui) {
    const Answer a = ui.ask({"This operation erase the bitmap. Are you sure?", "Warning",
                             MessageIcon::Warning, MessageButtons::YesNo, Answer::Yes});
    if (a != Answer::Yes) return false;
    bits_ = BitGrid(width(), height());
    return true;
}

void BitmapEditor::store(TCCBitmap& picture) const { picture.setStringBits(encoded()); }

int BitmapEditor::clientHeight() const {
    const int grid = kCellPitch * height();
    return grid > 104 ? grid : 198;
}

} // namespace ornadeck
