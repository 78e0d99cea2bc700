#pragma once

#include "model/Control.h"

#include <string>

namespace ornadeck {

// The Palm screen surface of a form, 160 x 160; its pixel (0,0) is Palm (0,0).
class TCCForm final : public Control {
  public:
    static constexpr int kScreenSize = 160;

    TCCForm();

    const std::string& title() const { return title_; }
    void setTitle(std::string v);
    int gridSpace() const { return gridSpace_; }
    void setGridSpace(int v);
    int gridVisible() const { return gridVisible_; }
    void setGridVisible(int v);
    int style() const { return style_; }
    void setStyle(int v) { style_ = v; }

  private:
    std::string title_ = "Form1";
    int gridSpace_ = 4;
    int gridVisible_ = 0;
    int style_ = 0;
};

} // namespace ornadeck
