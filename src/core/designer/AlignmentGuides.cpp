#include "designer/AlignmentGuides.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace ornadeck {

namespace {

// One axis of a box: where it starts, how long it is, and its extent on the other axis.
struct Span {
    int start = 0;
    int length = 0;
    int crossStart = 0;
    int crossEnd = 0;

    std::array<int, 3> lines() const { return {start, start + length / 2, start + length}; }
};

Span horizontal(const Box& b) { return {b.left, b.width, b.top, b.bottom()}; }
Span vertical(const Box& b) { return {b.top, b.height, b.left, b.right()}; }

// Which lines of the dragged span move: all three for a move, the dragged edge for a resize.
struct Moving {
    bool start = false;
    bool centre = false;
    bool end = false;

    bool any() const { return start || centre || end; }
};

Moving movingLines(EdgeMask edges, EdgeMask::Edge low, EdgeMask::Edge high) {
    if (edges.empty()) return {true, true, true};
    return {edges.has(low), false, edges.has(high)};
}

// The smallest shift within `reach` that puts a moving line on a line of a target.
std::optional<int> nearestShift(const Span& moved, Moving moving, const std::vector<Span>& targets,
                                int reach) {
    const std::array<int, 3> own = moved.lines();
    const std::array<bool, 3> moves = {moving.start, moving.centre, moving.end};
    std::optional<int> best;
    for (const Span& target : targets)
        for (int line : target.lines())
            for (std::size_t i = 0; i < own.size(); ++i) {
                if (!moves[i]) continue;
                const int shift = line - own[i];
                if (std::abs(shift) <= reach && (!best || std::abs(shift) < std::abs(*best)))
                    best = shift;
            }
    return best;
}

Span shifted(Span s, Moving moving, int shift) {
    if (moving.start && !moving.end) { // a resize by the start edge
        if (s.length - shift < 1) return s;
        s.start += shift;
        s.length -= shift;
    } else if (moving.end && !moving.start) { // a resize by the end edge
        if (s.length + shift < 1) return s;
        s.length += shift;
    } else {
        s.start += shift;
    }
    return s;
}

// A guide for every line the moved span shares with a target, spanning both on the cross
// axis; lines at the same place merge into one.
void addGuides(const Span& moved, Moving moving, const std::vector<Span>& targets, Guide::Axis axis,
               std::vector<Guide>& guides) {
    const std::array<int, 3> own = moved.lines();
    const std::array<bool, 3> moves = {moving.start, moving.centre, moving.end};
    const auto first = static_cast<std::ptrdiff_t>(guides.size());
    for (const Span& target : targets)
        for (int line : target.lines())
            for (std::size_t i = 0; i < own.size(); ++i) {
                if (!moves[i] || own[i] != line) continue;
                const int from = std::min(moved.crossStart, target.crossStart);
                const int to = std::max(moved.crossEnd, target.crossEnd);
                auto same = std::find_if(guides.begin() + first, guides.end(),
                                         [&](const Guide& g) { return g.at == line; });
                if (same == guides.end()) {
                    guides.push_back({axis, line, from, to});
                } else {
                    same->from = std::min(same->from, from);
                    same->to = std::max(same->to, to);
                }
            }
}

} // namespace

GuidedBox alignToGuides(const Box& moved, EdgeMask edges, const std::vector<Box>& others,
                        const Box& frame, int reach) {
    std::vector<Span> columns, rows;
    columns.reserve(others.size() + 1);
    rows.reserve(others.size() + 1);
    for (const Box& other : others) {
        columns.push_back(horizontal(other));
        rows.push_back(vertical(other));
    }
    columns.push_back(horizontal(frame));
    rows.push_back(vertical(frame));

    const Moving acrossX = movingLines(edges, EdgeMask::Left, EdgeMask::Right);
    const Moving acrossY = movingLines(edges, EdgeMask::Top, EdgeMask::Bottom);
    Span x = horizontal(moved), y = vertical(moved);
    if (acrossX.any())
        if (auto shift = nearestShift(x, acrossX, columns, reach)) x = shifted(x, acrossX, *shift);
    if (acrossY.any())
        if (auto shift = nearestShift(y, acrossY, rows, reach)) y = shifted(y, acrossY, *shift);

    GuidedBox result{{x.start, y.start, x.length, y.length}, {}};
    // The cross extents follow the snapped box, so each guide reaches the moved control.
    x.crossStart = y.start;
    x.crossEnd = y.start + y.length;
    y.crossStart = x.start;
    y.crossEnd = x.start + x.length;
    addGuides(x, acrossX, columns, Guide::Axis::Vertical, result.guides);
    addGuides(y, acrossY, rows, Guide::Axis::Horizontal, result.guides);
    return result;
}

} // namespace ornadeck
