#pragma once

#include "model/Alignment.h"
#include "model/Control.h"

#include <string>

namespace ornadeck {

// A push button with an on/off state (PToolboxLib's Push kind too).
class TCCSwitch final : public Control {
  public:
    TCCSwitch();

    const std::string& content() const { return content_; }
    void setContent(std::string v) { assign(content_, std::move(v)); }
    int line() const { return line_; }
    void setLine(int v) { assign(line_, v); }
    int radius() const { return radius_; }
    void setRadius(int v) { assign(radius_, v); }
    int state() const { return state_; }
    void setState(int v) { assign(state_, v); }

  private:
    std::string content_;
    int line_ = kLineBlack;
    int radius_ = 0;
    int state_ = 0;
};

} // namespace ornadeck
