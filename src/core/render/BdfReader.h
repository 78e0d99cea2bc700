#pragma once

#include "render/BitmapFont.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ornadeck {

// A font read from BDF text, or the reason there is none.
struct BdfResult {
    std::optional<BitmapFont> font;
    std::string error; // "line 12: ..." when font is empty
};

// Reads a bitmap font in the Glyph Bitmap Distribution Format (BDF 2.1). The line height is
// FONT_ASCENT + FONT_DESCENT, the face FACE_NAME (else FAMILY_NAME). Each glyph's bitmap is
// placed in a full-height cell by its BBX; pixels outside the cell or right of column 31
// are dropped. Characters the file lacks draw as a box the size of a capital.
BdfResult readBdf(std::string_view text);

// Reads a BDF file; errors name the file.
BdfResult readBdfFile(const std::filesystem::path& file);

// An outlined box `width` wide and `tall` high standing on the baseline of a cell `height`
// high; advances width + 1.
Glyph boxGlyph(int height, int ascent, int tall, int width);

} // namespace ornadeck
