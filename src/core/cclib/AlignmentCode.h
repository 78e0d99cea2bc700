#pragma once

#include "model/Alignment.h"

namespace ornadeck {

// CControls labels and edits give their alignment as 0 left, 1 centre, 2 right, in form
// files and in generated code alike.
constexpr int alignmentCode(Alignment a) {
    return a == Alignment::Center ? 1 : a == Alignment::Right ? 2 : 0;
}
constexpr Alignment alignmentOfCode(int code) {
    return code == 1 ? Alignment::Center : code == 2 ? Alignment::Right : Alignment::Left;
}

} // namespace ornadeck
