#include "cclib/TCCButton.h"

#include "model/TextMetrics.h"

namespace ornadeck {

TCCButton::TCCButton() : Control(ClassId::CCButton) { setBoundsQuietly(0, 0, 40, 14); }

void TCCButton::applyDrawnSize(const TextMetrics& metrics) {
    if (tag() == kSelectTag)
        setBoundsQuietly(left(), top(), metrics.textWidth(font(), content_) + 7, height());
}

} // namespace ornadeck
