#pragma once

#include "codegen/BitmapString.h"
#include "designer/MouseInput.h"
#include "model/Point.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornadeck {

class TCCBitmap;
class Ui;

// The bitmap editor's state: the picture's pixels as a bit set, made when the editor opens
// and thrown away when it closes; only OK writes them back to the picture.
class BitmapEditor {
  public:
    // One cell is 10 pixels and a grid line.
    static constexpr int kCellPitch = 11;
    // A picture larger than the Palm screen each way is not opened: it would not fit any
    // window and its bit set could exhaust memory.
    static constexpr int kMaxSide = 160;

    BitmapEditor(int width, int height, std::string_view stringBits);
    explicit BitmapEditor(const TCCBitmap& picture);

    // Why a picture of this size cannot be edited; empty when it can.
    static std::string refusal(int width, int height);

    const BitGrid& bits() const { return bits_; }
    int width() const { return bits_.width(); }
    int height() const { return bits_.height(); }
    // The grid's current cell; none until the first press.
    std::optional<Point> current() const { return current_; }

    // A left press over a cell makes it current and toggles it.
    void press(Point cell);
    // The keyboard's move: the cell becomes current, no pixel changes.
    void select(Point cell);
    // A move with the left button held: the current cell follows; with only the left button
    // the cell turns black, with Shift and the left button white; anything else changes
    // nothing.
    void move(Point cell, ShiftState held);
    // Asks first; true when the user agreed and every pixel is white.
    bool clear(Ui& ui);

    std::string encoded() const { return encodeStringBits(bits_); }
    // OK: the picture takes the edited pixels.
    void store(TCCBitmap& picture) const;

    // The window's client size: the grid plus the 80-pixel button column, and the grid's
    // height when that is above 104, else the designed 198.
    int clientWidth() const { return kCellPitch * width() + 80; }
    int clientHeight() const;

  private:
    bool inside(Point cell) const;

    BitGrid bits_;
    std::optional<Point> current_;
};

} // namespace ornadeck
