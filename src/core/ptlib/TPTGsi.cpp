#include "ptlib/TPTGsi.h"

namespace ornadeck {

TPTGsi::TPTGsi() : UnframedControl(ClassId::PTGsi) { setBoundsQuietly(0, 0, kWidth, kHeight); }

void TPTGsi::applyDrawnSize(const TextMetrics&) {
    if (width() != kWidth || height() != kHeight) setBoundsQuietly(left(), top(), kWidth, kHeight);
}

} // namespace ornadeck
