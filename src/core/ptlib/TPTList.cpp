#include "ptlib/TPTList.h"

#include "model/TextMetrics.h"

#include <algorithm>

namespace ornadeck {

namespace {

// Lists measure their rows by the height of a capital letter.
constexpr std::string_view kRowSample = "A";

} // namespace

TPTList::TPTList() : ItemsControl(ClassId::PTList) { setBoundsQuietly(0, 0, 35, 25); }

int TPTList::heightFor(int rows) const {
    return clampCoord(static_cast<long long>(rows) * rowHeight_ + 3);
}

void TPTList::setMaxItems(int v) {
    maxItems_ = std::clamp(v, 0, kCoordLimit);
    setHeight(heightFor(maxItems_));
}

void TPTList::setTrigger(std::string v) {
    trigger_ = std::move(v);
    setStyle(trigger_ == "(None)" ? kStandAlone : kPopTriggered);
}

void TPTList::afterMouseRelease() {
    // A font that measures nothing gives no row to snap to.
    const int row = metrics().textHeight(font(), kRowSample);
    if (row > 0) setMaxItems(height() / row);
}

void TPTList::applyDrawnSize(const TextMetrics& metrics) {
    const int row = metrics.textHeight(font(), kRowSample);
    if (row <= 0 || row == rowHeight_) return;
    rowHeight_ = row;
    setBoundsQuietly(left(), top(), width(), heightFor(maxItems_));
}

} // namespace ornadeck
