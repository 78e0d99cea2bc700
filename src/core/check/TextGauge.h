#pragma once

#include "model/Font.h"

#include <string_view>

namespace ornadeck {

class PalmFonts;
class TextMetrics;

// What the checks measure texts with: widths as the Palm fonts draw them, and whether a
// font has a character at all.
class TextGauge {
  public:
    // Without font files: fixed-cell widths and the Palm character set.
    TextGauge();
    // The loaded Palm fonts; a face that did not load counts as the Palm character set.
    explicit TextGauge(const PalmFonts& fonts);

    int textWidth(const Font& font, std::string_view text) const;
    bool canShow(const Font& font, char32_t code) const;

  private:
    const TextMetrics& metrics_;
    const PalmFonts* fonts_ = nullptr;
};

} // namespace ornadeck
