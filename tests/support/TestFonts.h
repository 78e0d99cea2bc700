#pragma once

#include "render/FontSet.h"

namespace ornadeck::test {

// A predictable font for pixel tests: every character a full block 4 wide (plus one pixel of
// spacing) and 7 high, in a line 11 high (14 for the large faces), whatever the face.
class BlockFonts final : public FontSet {
  public:
    BlockFonts() : small_("Block", 11, 9), large_("BlockLarge", 14, 11) {
        for (BitmapFont* f : {&small_, &large_}) {
            Glyph g;
            g.advance = 5;
            g.rows.assign(f->height(), 0);
            for (int row = 2; row < 9; ++row)
                g.rows[row] = 0xF0000000u; // columns 0..3
            for (char32_t c = 32; c < 256; ++c)
                f->addGlyph(c, c == ' ' ? Glyph{5, std::vector<std::uint32_t>(f->height(), 0)} : g);
            f->setReplacement(g);
        }
    }
    const BitmapFont& fontFor(std::string_view face) const override {
        return face == "PilotLarge" || face == "PilotBold12" ? large_ : small_;
    }

  private:
    BitmapFont small_;
    BitmapFont large_;
};

} // namespace ornadeck::test
