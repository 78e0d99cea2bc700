#pragma once

#include "cclib/TextLineControl.h"

namespace ornadeck {

// A line of static text, boxed unless told otherwise.
class TCCLabel final : public TextLineControl {
  public:
    TCCLabel() : TextLineControl(ClassId::CCLabel, kLineBlack, kBoxed) {}
};

} // namespace ornadeck
