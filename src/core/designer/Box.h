#pragma once

namespace ornadeck {

// A rectangle in one parent's pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool overlaps(const Box& other) const {
        return left < other.left + other.width && other.left < left + width &&
               top < other.top + other.height && other.top < top + height;
    }
    bool operator==(const Box&) const = default;
};

} // namespace ornadeck
