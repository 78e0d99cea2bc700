#pragma once

#include "model/Control.h"

namespace ornadeck {

// A control drawn without a frame around its Palm object: its window rectangle is its
// Palm rectangle.
class UnframedControl : public Control {
  public:
    using Control::Control;

    int userLeft() const override { return left(); }
    int userTop() const override { return top(); }
    int userWidth() const override { return width(); }
    int userHeight() const override { return height(); }

  protected:
    void placeUserLeft(int v) override { setLeft(v); }
    void placeUserTop(int v) override { setTop(v); }
    void placeUserWidth(int v) override { setWidth(v); }
    void placeUserHeight(int v) override { setHeight(v); }
};

} // namespace ornadeck
