#pragma once

#include "model/ItemsControl.h"

namespace ornadeck {

// A framed drop-down list with a shadow: three pixels wider and higher than its rows.
class DropListControl : public ItemsControl {
  public:
    static constexpr int kRowHeight = 11;

    explicit DropListControl(ClassId id);

    int userWidth() const override { return width() - 3; }

    int visibleItems() const { return (height() - 3) / kRowHeight; }
    void setVisibleItems(int rows) { setHeight(clampCoord(rows) * kRowHeight + 3); }
    // Snaps a resized list to whole rows of its font.
    void afterMouseRelease() override;

  protected:
    void placeUserWidth(int v) override { setWidth(v + 3); }
};

} // namespace ornadeck
