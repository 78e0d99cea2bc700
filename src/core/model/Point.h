#pragma once

namespace ornadeck {

// A pixel position, in whatever window's coordinates the caller says.
struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

} // namespace ornadeck
