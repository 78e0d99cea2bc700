#pragma once

#include "model/DoubleFramedControl.h"

#include <string>

namespace ornadeck {

// A dialog: a container on the surface, framed by two pixels. Its Tag is "Test": 1 when
// it is the dialog shown for editing.
class TPTDialog final : public DoubleFramedControl {
  public:
    TPTDialog();
    const std::string& title() const { return title_; }
    void setTitle(std::string v);
    int gridSpace() const { return gridSpace_; }
    void setGridSpace(int v);
    int gridVisible() const { return gridVisible_; }
    void setGridVisible(int v);

  private:
    std::string title_ = "Dialog";
    int gridSpace_ = 4;
    int gridVisible_ = 0;
};

} // namespace ornadeck
