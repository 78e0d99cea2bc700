#pragma once

#include "model/TextEncoding.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ornadeck {

// One character of a bitmap font, as a cell as high as the font: row 0 is the top of the
// line, bit x of a row (counted from the left, most significant first within `width`) is
// an inked pixel.
struct Glyph {
    int advance = 0;                 // pixels the pen moves right, spacing included
    std::vector<std::uint32_t> rows; // one per font row; bit (31 - x) is column x
    bool inked(int x, int y) const {
        return x >= 0 && x < 32 && y >= 0 && y < static_cast<int>(rows.size()) &&
               ((rows[y] >> (31 - x)) & 1u) != 0;
    }
};

// A proportional bitmap font of fixed line height. Characters the font lacks are drawn as
// its replacement glyph (a visible box).
class BitmapFont {
  public:
    BitmapFont(std::string face, int height, int ascent);

    const std::string& face() const { return face_; }
    int height() const { return height_; }
    int ascent() const { return ascent_; }

    void addGlyph(char32_t code, Glyph glyph);
    void setReplacement(Glyph glyph) { replacement_ = std::move(glyph); }
    bool has(char32_t code) const { return glyphs_.contains(code); }
    const Glyph& glyph(char32_t code) const;

    // Width of UTF-8 text (invalid bytes count as one replacement each).
    int textWidth(std::string_view utf8) const;

  private:
    std::string face_;
    int height_;
    int ascent_;
    std::unordered_map<char32_t, Glyph> glyphs_;
    Glyph replacement_;
    // ASCII, nearly all text drawn, by index rather than by hash lookup.
    std::array<Glyph, 128> ascii_{};
    std::array<bool, 128> hasAscii_{};
};

} // namespace ornadeck
