#include "render/BitmapFont.h"

namespace ornadeck {

BitmapFont::BitmapFont(std::string face, int height, int ascent)
    : face_(std::move(face)), height_(height), ascent_(ascent) {}

void BitmapFont::addGlyph(char32_t code, Glyph glyph) {
    if (code < ascii_.size()) {
        ascii_[code] = glyph;
        hasAscii_[code] = true;
    }
    glyphs_[code] = std::move(glyph);
}

const Glyph& BitmapFont::glyph(char32_t code) const {
    if (code < ascii_.size()) return hasAscii_[code] ? ascii_[code] : replacement_;
    auto it = glyphs_.find(code);
    return it != glyphs_.end() ? it->second : replacement_;
}

int BitmapFont::textWidth(std::string_view utf8) const {
    int width = 0;
    for (std::size_t pos = 0; pos < utf8.size();)
        width += glyph(nextCodePoint(utf8, pos)).advance;
    return width;
}

} // namespace ornadeck
