#pragma once

#include "model/Font.h"
#include "render/BitmapFont.h"

#include <string_view>

namespace ornadeck {

// The Palm fonts by face name; an unknown or missing face gives the standard one.
class FontSet {
  public:
    virtual ~FontSet() = default;
    virtual const BitmapFont& fontFor(std::string_view face) const = 0;
};

// Width of text in a font with its style: bold on a face that is not bold itself is drawn
// twice, one pixel apart, so every glyph is one pixel wider.
int styledTextWidth(const FontSet& fonts, const Font& font, std::string_view text);
bool synthesizesBold(const Font& font);

} // namespace ornadeck
