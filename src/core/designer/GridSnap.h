#pragma once

#include "model/Rounding.h"

namespace ornadeck {

// The grid step actually used for a requested one: the largest power of two not above it,
// or 0 for anything below 1. The step is a 16-bit value.
constexpr int gridSizeFor(int requested) {
    if (requested < 1) return 0;
    if (requested > 32767) requested = 32767;
    int size = 1;
    while (size <= requested / 2)
        size *= 2;
    return size;
}

// The nearest multiple of the grid, an exact half going to the even multiple. Drag deltas
// are snapped, not positions, so a control off the grid keeps its offset when moved.
constexpr int snapToGrid(int value, int gridSize) {
    if (gridSize <= 1) return value; // 0 never reaches here from the designer
    return roundHalfToEven(value, gridSize) * gridSize;
}

} // namespace ornadeck
