#pragma once

#include "model/ItemsControl.h"

#include <string>

namespace ornadeck {

// A list of rows whose height follows the number of visible rows and the height of a row
// in the list's font.
class TPTList final : public ItemsControl {
  public:
    enum Style { kStandAlone = 0, kPopTriggered = 1, kPopupList = 2 };
    static constexpr int kDefaultRowHeight = 11;

    TPTList();

    int userWidth() const override { return width() - 3; }

    int maxItems() const { return maxItems_; }
    // Negative row counts are taken as none: the library would be given a nonsense count.
    void setMaxItems(int v);
    int style() const { return style_; }
    void setStyle(int v) { assign(style_, v); }
    const std::string& trigger() const { return trigger_; }
    // The style follows the trigger: "(None)" is a stand-alone list, any other name a
    // pop-triggered one.
    void setTrigger(std::string v);
    int rowHeight() const { return rowHeight_; }

    // A list resized to any height snaps to whole rows.
    void afterMouseRelease() override;

  protected:
    void placeUserWidth(int v) override { setWidth(v + 3); }
    void applyDrawnSize(const TextMetrics& metrics) override;

  private:
    int heightFor(int rows) const;

    int maxItems_ = 2;
    int style_ = kStandAlone;
    std::string trigger_;
    int rowHeight_ = kDefaultRowHeight;
};

} // namespace ornadeck
