#pragma once

#include "model/ItemsControl.h"

namespace ornadeck {

// A row or column of exclusive options. The option cells share their border pixels, so
// the width of a row stays a multiple of the option count.
class TCCRadio final : public ItemsControl {
  public:
    TCCRadio();

    int userWidth() const override;

    int orientation() const { return orientation_; }
    // Restacks the cells, keeping each cell's size.
    void setOrientation(int v);

  protected:
    void placeUserWidth(int v) override;

  private:
    int orientation_ = 0;
};

} // namespace ornadeck
