#include "cclib/TCCRadio.h"

namespace ornadeck {

TCCRadio::TCCRadio() : ItemsControl(ClassId::CCRadio) {
    setBoundsQuietly(0, 0, 31, 14);
    selectedItem_ = 0;
}

int TCCRadio::userWidth() const {
    const int n = itemCount();
    return n > 0 ? (width() / n) * n - 2 : width() - 2;
}

void TCCRadio::placeUserWidth(int v) {
    const int n = itemCount();
    setWidth(n > 0 ? (v / n) * n + 2 : v + 2);
}

void TCCRadio::setOrientation(int v) {
    const bool stacked = v != 0;
    if (stacked != (orientation_ != 0)) {
        const long long n = itemCount();
        const long long w = width();
        const long long h = height();
        if (stacked) {
            setHeight(clampCoord(n * h - (n - 1)));
            if (n > 0) setWidth(clampCoord((w - (n + 1)) / n + 2));
        } else {
            if (n > 0) setHeight(clampCoord((h - (n + 1)) / n + 2));
            setWidth(clampCoord(n * w - (n - 1)));
        }
    }
    assign(orientation_, v);
}

} // namespace ornadeck
