#pragma once

#include "model/Control.h"

#include <string>

namespace ornadeck {

// A PToolboxLib check box. Only its position is framed: its window size is its Palm size.
class TPTCheckbox final : public Control {
  public:
    TPTCheckbox();

    int userWidth() const override { return width(); }
    int userHeight() const override { return height(); }

    const std::string& content() const { return content_; }
    void setContent(std::string v) { assign(content_, std::move(v)); }
    int state() const { return state_; }
    void setState(int v) { assign(state_, v); }
    int groupNumber() const { return groupNumber_; }
    // The library keeps the group in one byte, so only the low 8 bits survive.
    void setGroupNumber(int v) { groupNumber_ = v & 0xFF; }

  protected:
    void placeUserWidth(int v) override { setWidth(v); }
    void placeUserHeight(int v) override { setHeight(v); }

  private:
    std::string content_;
    int state_ = 0;
    int groupNumber_ = 0;
};

} // namespace ornadeck
