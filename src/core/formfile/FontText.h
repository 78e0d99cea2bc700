#pragma once

#include "model/Font.h"

#include <string>
#include <string_view>

namespace ornadeck {

// A font as one line of a form file: "face,size,styles,pitch,colour,charset", for example
// "PilotStandard,10,,0,clWindowText,2".
std::string fontToText(const Font& font);

// Applies the fields present in `text` to `font`. A field that cannot be read leaves its
// attribute as it was; an empty text leaves the whole font alone.
void applyFontText(Font& font, std::string_view text);

// Colours as the toolkit writes them: a colour name, or '$' and eight hex digits.
std::string colorToText(Color color);
bool colorFromText(std::string_view text, Color& color);

} // namespace ornadeck
