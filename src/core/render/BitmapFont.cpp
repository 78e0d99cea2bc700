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

char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0)
        extra = 1;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3;
    char32_t code = lead & (0x3F >> extra);
    bool valid = extra > 0 && pos + extra < text.size();
    for (int i = 1; valid && i <= extra; ++i) {
        valid = (byte(pos + i) & 0xC0) == 0x80;
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    if (!valid) {
        ++pos;
        return 0xFFFD;
    }
    pos += extra + 1;
    return code;
}

} // namespace ornadeck
