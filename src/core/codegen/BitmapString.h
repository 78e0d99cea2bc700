#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

// A small monochrome picture; a set pixel is black. Negative sizes count as 0.
class BitGrid {
  public:
    BitGrid() = default;
    BitGrid(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels outside the picture read as white and ignore writes.
    bool at(int x, int y) const;
    void set(int x, int y, bool black);

    bool operator==(const BitGrid&) const = default;

  private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_; // row * width + column
};

// "StringBits": rows top first, each ceil(width / 4) lower-case hex digits, one
// digit per four pixels left to right with the leftmost in the most significant
// bit. The bits of a row's last digit beyond the width are clear.
std::string encodeStringBits(const BitGrid& grid);

// Lenient reading of StringBits: a character that is not a hex digit counts as 0,
// pixels the text does not reach stay white and text past the last row is
// ignored. Reading the same text with another width re-cuts the rows.
BitGrid decodeStringBits(std::string_view bits, int width, int height);

// The width as (at least) two lower-case hex digits: "06" for 6, "28" for 40.
std::string bitmapWidthPrefix(int width);

} // namespace ornadeck
