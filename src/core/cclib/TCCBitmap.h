#pragma once

#include "model/Control.h"

#include <string>

namespace ornadeck {

// A small monochrome picture kept as a bitmap string. Its window rectangle is its Palm
// rectangle; Tag holds the Clickable flag.
class TCCBitmap final : public Control {
  public:
    // The largest width and height a CControls Image may be given.
    static constexpr int kCControlsMaxSize = 40;

    TCCBitmap();

    int userLeft() const override { return left(); }
    int userTop() const override { return top(); }
    int userWidth() const override { return width(); }
    int userHeight() const override { return height(); }

    const std::string& stringBits() const { return stringBits_; }
    void setStringBits(std::string v) { assign(stringBits_, std::move(v)); }

  protected:
    void placeUserLeft(int v) override { setLeft(v); }
    void placeUserTop(int v) override { setTop(v); }
    void placeUserWidth(int v) override { setWidth(v); }
    void placeUserHeight(int v) override { setHeight(v); }

  private:
    std::string stringBits_;
};

} // namespace ornadeck
