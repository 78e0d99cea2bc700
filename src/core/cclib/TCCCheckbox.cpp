#include "cclib/TCCCheckbox.h"

namespace ornadeck {

TCCCheckbox::TCCCheckbox() : Control(ClassId::CCCheckbox) {
    setBoundsQuietly(0, 0, 58, kDrawnHeight);
}

void TCCCheckbox::applyDrawnSize(const TextMetrics&) {
    if (height() != kDrawnHeight) setBoundsQuietly(left(), top(), width(), kDrawnHeight);
}

} // namespace ornadeck
