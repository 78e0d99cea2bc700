#pragma once

#include "model/ItemsControl.h"

namespace ornadeck {

// A list of rows, 11 pixels each; its height follows the number of visible rows.
class TCCListBox final : public ItemsControl {
  public:
    static constexpr int kRowHeight = 11;

    TCCListBox();

    int visibleItems() const { return height() / kRowHeight; }
    void setVisibleItems(int rows) { setHeight(clampCoord(rows) * kRowHeight + 2); }
    void afterMouseRelease() override { setVisibleItems(visibleItems()); }
};

} // namespace ornadeck
