#pragma once

#include "model/DoubleFramedControl.h"

#include <string>

namespace ornadeck {

// A PToolboxLib button, framed by two pixels. Its fields are plain: nothing about its size
// depends on them.
class TPTButton final : public DoubleFramedControl {
  public:
    enum Frame { kStandard = 0, kBold = 1, kSquare = 2, kNoFrame = 3 };
    enum Type { kStandardType = 0, kRepeat = 1 };

    TPTButton();
    const std::string& text() const { return text_; }
    void setText(std::string v) { text_ = std::move(v); }
    int frame() const { return frame_; }
    void setFrame(int v) { frame_ = v; }
    int buttonType() const { return buttonType_; }
    void setButtonType(int v) { buttonType_ = v; }
    const std::string& showForm() const { return showForm_; }
    void setShowForm(std::string v) { showForm_ = std::move(v); }

  private:
    std::string text_ = "Button";
    int frame_ = kStandard;
    int buttonType_ = kStandardType;
    std::string showForm_;
};

} // namespace ornadeck
