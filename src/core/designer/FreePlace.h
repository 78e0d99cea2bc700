#pragma once

#include "designer/Box.h"
#include "model/Point.h"

#include <optional>
#include <vector>

namespace ornadeck {

// Where a new control of `size` (its width and height; left and top its offset from the
// point it is placed at) fits inside `area` without covering any of `taken`: the first point of
// a grid of `step` pixels, scanning rows from the top left. Nothing when no such point exists.
std::optional<Point> firstFreePoint(const Box& area, const Box& size, const std::vector<Box>& taken,
                                    int step);

} // namespace ornadeck
