#pragma once

#include "designer/Box.h"
#include "designer/EdgeMask.h"

#include <vector>

namespace ornadeck {

// A thin line the designer draws while a control is dragged: at x = `at` from y = `from` to
// `to` for a vertical guide, at y = `at` from x = `from` to `to` for a horizontal one, in
// pixels of the dragged control's parent.
struct Guide {
    enum class Axis { Vertical, Horizontal };
    Axis axis = Axis::Vertical;
    int at = 0;
    int from = 0;
    int to = 0;

    bool operator==(const Guide&) const = default;
};

// A dragged control's place after it snapped to what it lines up with, and the lines that
// show what it lines up with.
struct GuidedBox {
    Box box;
    std::vector<Guide> guides;
};

// How far a dragged edge or centre is pulled onto a line of another control.
constexpr int kGuideReach = 2;

// Lines `moved` up with `others` and with `frame` (the parent's own rectangle): a move (no
// edges) aligns its left, centre or right edge and its top, middle or bottom edge with the
// same lines of the others; a resize only the edges it drags. On each axis the nearest line
// within `reach` wins; a resize never makes the control smaller than a pixel.
GuidedBox alignToGuides(const Box& moved, EdgeMask edges, const std::vector<Box>& others,
                        const Box& frame, int reach = kGuideReach);

} // namespace ornadeck
