#include "designer/FreePlace.h"

#include <algorithm>

namespace ornadeck {

std::optional<Point> firstFreePoint(const Box& area, const Box& size, const std::vector<Box>& taken,
                                    int step) {
    step = std::max(step, 1);
    const int right = area.left + area.width, bottom = area.top + area.height;
    for (int y = area.top; y - area.top + size.height <= area.height; y += step)
        for (int x = area.left; x - area.left + size.width <= area.width; x += step) {
            const Box box{x + size.left, y + size.top, size.width, size.height};
            if (box.left < area.left || box.top < area.top || box.left + box.width > right ||
                box.top + box.height > bottom)
                continue;
            if (std::none_of(taken.begin(), taken.end(),
                             [&](const Box& t) { return t.overlaps(box); }))
                return Point{x, y};
        }
    return std::nullopt;
}

} // namespace ornadeck
