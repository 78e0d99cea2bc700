#include "check/TextGauge.h"

#include "render/PalmFonts.h"

#include <algorithm>

namespace ornadeck {

namespace {

// The printable characters of the Palm fonts: ASCII and the Latin-1 letters and signs.
bool inPalmCharacterSet(char32_t code) {
    return (code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF);
}

} // namespace

TextGauge::TextGauge() : metrics_(FallbackTextMetrics::instance()) {}

TextGauge::TextGauge(const PalmFonts& fonts) : metrics_(fonts), fonts_(&fonts) {}

int TextGauge::textWidth(const Font& font, std::string_view text) const {
    return metrics_.textWidth(font, text);
}

bool TextGauge::canShow(const Font& font, char32_t code) const {
    // A face that is none of the four is drawn in the standard one.
    const auto& faces = PalmFonts::kFaces;
    const bool palmFace = std::find(faces.begin(), faces.end(), font.face) != faces.end();
    const std::string_view face = palmFace ? std::string_view(font.face) : faces[0];
    if (fonts_ && fonts_->hasFace(face)) return fonts_->fontFor(face).has(code);
    return inPalmCharacterSet(code);
}

} // namespace ornadeck
