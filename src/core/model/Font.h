#pragma once

#include "model/Library.h"

#include <string>
#include <string_view>

namespace ornadeck {

enum class FontPitch { Default = 0, Variable = 1, Fixed = 2 };

// A control's font as the form file describes it.
struct Font {
    std::string face = "PilotStandard";
    int size = 10; // points, at 96 dots per inch
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    FontPitch pitch = FontPitch::Default;
    Color color = kWindowText;
    int charset = 2; // symbol character set

    // Pixel height of the font at 96 dpi, positive.
    int pixelHeight() const {
        const long long h = (static_cast<long long>(size) * 96 + 36) / 72;
        return static_cast<int>(h < 0 ? 0 : h > 32767 ? 32767 : h);
    }

    bool operator==(const Font&) const = default;
};

// "Standard", "Bold", "Large", "LargeBold" <-> the Palm face names. Anything unknown maps to
// the standard font / face.
std::string_view fontNameOfFace(std::string_view face);
std::string_view faceOfFontName(std::string_view fontName);
bool isFontName(std::string_view fontName);

} // namespace ornadeck
