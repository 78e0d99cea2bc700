#pragma once

#include "model/Font.h"

#include <string_view>

namespace ornadeck {

// Measures text the way the Palm fonts draw it. Controls that size themselves when drawn
// (labels, select boxes, lists) need it even when nothing is on a screen.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual int textWidth(const Font& font, std::string_view text) const = 0;
    // Height of the text's line box; an empty text measures 0.
    virtual int textHeight(const Font& font, std::string_view text) const = 0;
};

// Used when no font files could be loaded: every glyph a fixed cell, 11 pixels high for the
// small faces and 14 for the large ones.
class FallbackTextMetrics final : public TextMetrics {
  public:
    int textWidth(const Font& font, std::string_view text) const override;
    int textHeight(const Font& font, std::string_view text) const override;
    static const FallbackTextMetrics& instance();
};

} // namespace ornadeck
