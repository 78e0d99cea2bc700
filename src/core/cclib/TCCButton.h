#pragma once

#include "model/Alignment.h"
#include "model/Control.h"

#include <string>

namespace ornadeck {

// A push button. PToolboxLib also uses it as its Select box (Tag 3), whose width follows
// its text.
class TCCButton final : public Control {
  public:
    static constexpr int kSelectTag = 3;

    TCCButton();

    const std::string& content() const { return content_; }
    void setContent(std::string v) { assign(content_, std::move(v)); }
    int line() const { return line_; }
    void setLine(int v) { assign(line_, v); }
    int radius() const { return radius_; }
    void setRadius(int v) { assign(radius_, v); }
    const std::string& showForm() const { return showForm_; }
    void setShowForm(std::string v) { showForm_ = std::move(v); }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) { assign(alignment_, a); }

  protected:
    void applyDrawnSize(const TextMetrics& metrics) override;

  private:
    std::string content_;
    int line_ = kLineBlack;
    int radius_ = 4;
    std::string showForm_;
    Alignment alignment_ = Alignment::Left;
};

} // namespace ornadeck
