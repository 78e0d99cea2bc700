#include "codegen/BitmapString.h"

#include "model/TextEncoding.h"

#include <algorithm>
#include <cstddef>

namespace ornadeck {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

std::size_t digitsPerRow(int width) { return (static_cast<std::size_t>(width) + 3) / 4; }

} // namespace

BitGrid::BitGrid(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      bits_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

bool BitGrid::at(int x, int y) const {
    if (!inside(x, y)) return false;
    return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)] != 0;
}

void BitGrid::set(int x, int y, bool black) {
    if (!inside(x, y)) return;
    bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = black ? 1 : 0;
}

std::string encodeStringBits(const BitGrid& grid) {
    const std::size_t perRow = digitsPerRow(grid.width());
    std::string out;
    out.reserve(perRow * static_cast<std::size_t>(grid.height()));
    for (int y = 0; y < grid.height(); ++y) {
        for (std::size_t digit = 0; digit < perRow; ++digit) {
            int nibble = 0;
            for (int bit = 0; bit < 4; ++bit) {
                // at() is white past the width, which pads the last digit with clear bits.
                if (grid.at(static_cast<int>(digit * 4) + bit, y)) nibble |= 8 >> bit;
            }
            out += kHexDigits[nibble];
        }
    }
    return out;
}

BitGrid decodeStringBits(std::string_view bits, int width, int height) {
    BitGrid grid(width, height);
    const std::size_t perRow = digitsPerRow(grid.width());
    if (perRow == 0) return grid;
    // One character is one digit, however many bytes it takes: a text read from an older
    // Windows-1252 file may hold any character, and each still stands for four pixels.
    std::size_t index = 0;
    for (std::size_t pos = 0; pos < bits.size(); ++index) {
        const char32_t c = nextCodePoint(bits, pos);
        const std::size_t y = index / perRow, digit = index % perRow;
        if (y >= static_cast<std::size_t>(grid.height())) break;
        const int nibble = c < 0x80 ? hexValue(static_cast<char>(c)) : 0;
        for (int bit = 0; bit < 4; ++bit) {
            if (nibble & (8 >> bit))
                grid.set(static_cast<int>(digit * 4) + bit, static_cast<int>(y), true);
        }
    }
    return grid;
}

std::string bitmapWidthPrefix(int width) {
    std::string digits;
    unsigned value = static_cast<unsigned>(std::max(width, 0));
    do {
        digits.insert(digits.begin(), kHexDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return digits;
}

} // namespace ornadeck
