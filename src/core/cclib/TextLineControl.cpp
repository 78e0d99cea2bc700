#include "cclib/TextLineControl.h"

namespace ornadeck {

TextLineControl::TextLineControl(ClassId id, int line, int style)
    : Control(id), line_(line), style_(style) {
    setBoundsQuietly(0, 0, 32, kDrawnHeight);
}

void TextLineControl::applyDrawnSize(const TextMetrics&) {
    if (height() != kDrawnHeight) setBoundsQuietly(left(), top(), width(), kDrawnHeight);
}

} // namespace ornadeck
