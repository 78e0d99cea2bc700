#include "ptlib/TPTLabel.h"

#include "model/TextMetrics.h"

namespace ornadeck {

TPTLabel::TPTLabel() : UnframedControl(ClassId::PTLabel) { setBoundsQuietly(0, 0, 32, 13); }

void TPTLabel::applyDrawnSize(const TextMetrics& metrics) {
    const int h = metrics.textHeight(font(), content_);
    setBoundsQuietly(left(), top(), metrics.textWidth(font(), content_) + 1,
                     h != 0 ? h : kEmptyHeight);
}

} // namespace ornadeck
