#pragma once

#include "model/Point.h"

#include <optional>
#include <vector>

namespace ornadeck {

// A rectangle in one parent's pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool overlaps(const Box& other) const {
        return left < other.left + other.width && other.left < left + width &&
               top < other.top + other.height && other.top < top + height;
    }
};

// Where a new control of `size` (its width and height; left and top its offset from the
// point it is placed at) fits inside `area` without covering any of `taken`: the first point of
// a grid of `step` pixels, scanning rows from the top left. Nothing when no such point exists.
std::optional<Point> firstFreePoint(const Box& area, const Box& size, const std::vector<Box>& taken,
                                    int step);

} // namespace ornadeck
