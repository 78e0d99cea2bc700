#pragma once

#include "model/Control.h"

#include <string>
#include <vector>

namespace ornadeck {

// A control that owns a list of text items and a selected index.
class ItemsControl : public Control {
  public:
    using Control::Control;

    const std::vector<std::string>& items() const { return items_; }
    int itemCount() const { return static_cast<int>(items_.size()); }
    void setItems(std::vector<std::string> items) {
        items_ = std::move(items);
        itemsChanged();
        repaint();
    }
    int selectedItem() const { return selectedItem_; }
    void setSelectedItem(int v) { assign(selectedItem_, v); }
    // The item in the first visible row: only a preview scrolls a list; files never hold it.
    int firstShown() const { return firstShown_; }
    void setFirstShown(int v) { firstShown_ = v < 0 ? 0 : v; }

  protected:
    virtual void itemsChanged() {}
    int selectedItem_ = -1;
    int firstShown_ = 0;

  private:
    std::vector<std::string> items_;
};

} // namespace ornadeck
