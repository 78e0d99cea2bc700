#pragma once

#include "ptlib/UnframedControl.h"

#include <string>

namespace ornadeck {

// The trigger that opens a pop-triggered list. The link is kept by the list, by name.
class TPTPopTrigger final : public UnframedControl {
  public:
    TPTPopTrigger();

    const std::string& text() const { return text_; }
    void setText(std::string v) { assign(text_, std::move(v)); }

  private:
    std::string text_ = "Pop";
};

} // namespace ornadeck
