#include "model/TextMetrics.h"

namespace ornadeck {

namespace {

bool isLargeFace(const Font& font) {
    return font.face == "PilotLarge" || font.face == "PilotBold12";
}

// Counts code points, so a two-byte letter is one glyph wide.
int glyphCount(std::string_view text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

int FallbackTextMetrics::textWidth(const Font& font, std::string_view text) const {
    return glyphCount(text) * (isLargeFace(font) ? 7 : 5);
}

int FallbackTextMetrics::textHeight(const Font& font, std::string_view text) const {
    if (text.empty()) return 0;
    return isLargeFace(font) ? 14 : 11;
}

const FallbackTextMetrics& FallbackTextMetrics::instance() {
    static const FallbackTextMetrics metrics;
    return metrics;
}

} // namespace ornadeck
