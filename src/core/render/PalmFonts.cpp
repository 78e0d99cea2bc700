#include "render/PalmFonts.h"

#include "model/Ui.h"
#include "platform/Platform.h"
#include "render/BdfReader.h"

namespace ornadeck {

namespace {

// The same cells FallbackTextMetrics measures: 5 px per glyph on an 11-px line for the small
// faces, 7 px on a 14-px line for the large ones.
BitmapFont builtInBoxes(bool large) {
    const int kHeight = large ? 14 : 11, kAscent = large ? 11 : 9, kCap = large ? 9 : 7,
              kWidth = large ? 6 : 4;
    BitmapFont font("Fallback", kHeight, kAscent);
    const Glyph box = boxGlyph(kHeight, kAscent, kCap, kWidth);
    const Glyph blank{box.advance, std::vector<std::uint32_t>(kHeight, 0)};
    for (char32_t c = 0x20; c <= 0xFF; ++c)
        if (c < 0x7F || c >= 0xA0) font.addGlyph(c, c == 0x20 || c == 0xA0 ? blank : box);
    font.setReplacement(box);
    return font;
}

} // namespace

PalmFonts::PalmFonts() : boxes_(builtInBoxes(false)), largeBoxes_(builtInBoxes(true)) {}

PalmFonts PalmFonts::load(const std::filesystem::path& folder, Ui& ui) {
    PalmFonts fonts;
    for (std::string_view face : kFaces) {
        const std::string name(face);
        BdfResult result = readBdfFile(folder / (name + ".bdf"));
        if (result.font) {
            fonts.fonts_.emplace(name, std::move(*result.font));
        } else {
            fonts.problems_.push_back(result.error);
            // One fixed wording whatever the cause; the details stay in loadProblems().
            ui.showError("Error: " + name + ".fon not found");
        }
    }
    return fonts;
}

const BitmapFont& PalmFonts::fontFor(std::string_view face) const {
    if (auto it = fonts_.find(face); it != fonts_.end()) return it->second;
    if (auto it = fonts_.find(kFaces[0]); it != fonts_.end()) return it->second;
    return face == "PilotLarge" || face == "PilotBold12" ? largeBoxes_ : boxes_;
}

int PalmFonts::textWidth(const Font& font, std::string_view text) const {
    return styledTextWidth(*this, font, text);
}

int PalmFonts::textHeight(const Font& font, std::string_view text) const {
    return text.empty() ? 0 : fontFor(font.face).height();
}

std::filesystem::path PalmFonts::programFolder() { return platform::programFolder(); }

} // namespace ornadeck
