#pragma once

#include "model/Control.h"

namespace ornadeck {

// A control drawn with a two-pixel frame around its Palm object.
class DoubleFramedControl : public Control {
  public:
    using Control::Control;

    int userLeft() const override { return left() + 2; }
    int userTop() const override { return top() + 2; }
    int userWidth() const override { return width() - 4; }
    int userHeight() const override { return height() - 4; }

  protected:
    void placeUserLeft(int v) override { setLeft(v - 2); }
    void placeUserTop(int v) override { setTop(v - 2); }
    void placeUserWidth(int v) override { setWidth(v + 4); }
    void placeUserHeight(int v) override { setHeight(v + 4); }
};

} // namespace ornadeck
