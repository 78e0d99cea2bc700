#pragma once

#include "ptlib/UnframedControl.h"

#include <string>

namespace ornadeck {

// A line of static text that sizes itself to its text whenever it is drawn.
class TPTLabel final : public UnframedControl {
  public:
    // Height of a label whose text measures nothing, so it stays visible and clickable.
    static constexpr int kEmptyHeight = 11;

    TPTLabel();

    const std::string& content() const { return content_; }
    void setContent(std::string v) { assign(content_, std::move(v)); }

  protected:
    void applyDrawnSize(const TextMetrics& metrics) override;

  private:
    std::string content_;
};

} // namespace ornadeck
