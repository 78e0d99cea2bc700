#include "cclib/DropListControl.h"

#include "model/TextMetrics.h"

namespace ornadeck {

DropListControl::DropListControl(ClassId id) : ItemsControl(id) { setBoundsQuietly(0, 0, 35, 14); }

void DropListControl::afterMouseRelease() {
    const int rowHeight = metrics().textHeight(font(), "A");
    if (rowHeight > 0) setVisibleItems((height() - 3) / rowHeight);
}

} // namespace ornadeck
