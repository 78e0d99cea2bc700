#pragma once

#include "cclib/DropListControl.h"

namespace ornadeck {

// A closed choice that drops its list down; TestItems shows the list open in the designer.
class TCCDropDown final : public DropListControl {
  public:
    TCCDropDown() : DropListControl(ClassId::CCDropDown) {}

    int testItems() const { return testItems_; }
    void setTestItems(int v) { assign(testItems_, v); }

  private:
    int testItems_ = 0;
};

} // namespace ornadeck
