#pragma once

#include "model/Control.h"

#include <string>

namespace ornadeck {

// A dialog: a container on the surface, framed by two pixels. Its Tag is "Test": 1 when
// it is the dialog shown for editing.
class TPTDialog final : public Control {
  public:
    TPTDialog();

    int userLeft() const override { return left() + 2; }
    int userTop() const override { return top() + 2; }
    int userWidth() const override { return width() - 4; }
    int userHeight() const override { return height() - 4; }

    const std::string& title() const { return title_; }
    void setTitle(std::string v);
    int gridSpace() const { return gridSpace_; }
    void setGridSpace(int v);
    int gridVisible() const { return gridVisible_; }
    void setGridVisible(int v);

  protected:
    void placeUserLeft(int v) override { setLeft(v - 2); }
    void placeUserTop(int v) override { setTop(v - 2); }
    void placeUserWidth(int v) override { setWidth(v + 4); }
    void placeUserHeight(int v) override { setHeight(v + 4); }

  private:
    std::string title_ = "Dialog";
    int gridSpace_ = 4;
    int gridVisible_ = 0;
};

} // namespace ornadeck
