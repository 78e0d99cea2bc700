#pragma once

#include <cstdint>

namespace ornadeck {

// Which edges of a control the pointer is on; any non-empty mask makes a drag a resize.
struct EdgeMask {
    enum Edge : std::uint8_t { Left = 1, Right = 2, Top = 4, Bottom = 8 };
    std::uint8_t edges = 0;

    bool empty() const { return edges == 0; }
    bool has(Edge e) const { return (edges & e) != 0; }
    bool operator==(const EdgeMask&) const = default;
};

} // namespace ornadeck
