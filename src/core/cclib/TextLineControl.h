#pragma once

#include "model/Alignment.h"
#include "model/Control.h"

#include <string>

namespace ornadeck {

// One line of text with an optional underline or box; drawn 13 pixels high whatever height
// it was given. Shared by labels and edits, which draw alike.
class TextLineControl : public Control {
  public:
    static constexpr int kDrawnHeight = 13;
    enum Style { kPlain = 0, kUnderlined = 1, kBoxed = 2 };

    TextLineControl(ClassId id, int line, int style);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) { assign(alignment_, a); }
    const std::string& content() const { return content_; }
    void setContent(std::string v) { assign(content_, std::move(v)); }
    int line() const { return line_; }
    void setLine(int v) { assign(line_, v); }
    int style() const { return style_; }
    void setStyle(int v) { assign(style_, v); }

  protected:
    void applyDrawnSize(const TextMetrics&) override;

  private:
    Alignment alignment_ = Alignment::Left;
    std::string content_;
    int line_;
    int style_;
};

} // namespace ornadeck
