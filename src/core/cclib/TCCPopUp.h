#pragma once

#include "cclib/DropListControl.h"

namespace ornadeck {

// A list that pops up over the form; Test shows it in the designer, 0 hides it.
class TCCPopUp final : public DropListControl {
  public:
    TCCPopUp() : DropListControl(ClassId::CCPopUp) {}

    int test() const { return test_; }
    void setTest(int v) {
        test_ = v;
        setVisible(v != 0);
    }

  private:
    int test_ = 0;
};

} // namespace ornadeck
