#pragma once

#include "model/Control.h"

#include <string>

namespace ornadeck {

// A check box with its caption; drawn 13 pixels high. Its window width is its Palm width.
class TCCCheckbox final : public Control {
  public:
    static constexpr int kDrawnHeight = 13;

    TCCCheckbox();

    const std::string& content() const { return content_; }
    void setContent(std::string v) { assign(content_, std::move(v)); }
    int state() const { return state_; }
    void setState(int v) { assign(state_, v); }

  protected:
    void applyDrawnSize(const TextMetrics&) override;

  private:
    std::string content_;
    int state_ = 0;
};

} // namespace ornadeck
