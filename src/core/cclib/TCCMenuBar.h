#pragma once

#include "model/Control.h"

namespace ornadeck {

// The form's menu bar, laid over the top of the screen; shown while Test is non-zero.
class TCCMenuBar final : public Control {
  public:
    TCCMenuBar() : Control(ClassId::CCMenuBar) { setBoundsQuietly(0, 0, 160, 15); }

    int test() const { return test_; }
    void setTest(int v) {
        test_ = v;
        setVisible(v != 0);
    }

  private:
    int test_ = 1;
};

} // namespace ornadeck
