#pragma once

#include "model/Library.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace ornadeck {

// Sets `count` pixels from `first` on; at -O2 the compiler leaves a plain fill loop at one
// pixel a store, this one stores four at a time.
inline void fillPixels(Color* first, std::size_t count, Color c) {
    const std::uint64_t two = (std::uint64_t{c} << 32) | c;
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        std::memcpy(first + i, &two, sizeof two);
        std::memcpy(first + i + 2, &two, sizeof two);
    }
    for (; i < count; ++i)
        first[i] = c;
}

// A picture of toolkit colours (0x00BBGGRR), row by row from the top.
class Image {
  public:
    Image() = default;
    Image(int width, int height, Color fill = kWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Color at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void set(int x, int y, Color c) { pixels_[static_cast<std::size_t>(y) * width_ + x] = c; }
    const std::vector<Color>& pixels() const { return pixels_; }
    // Row y's pixels, for drawing loops that have already cut to the picture.
    Color* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

    // Pastes `other` with its top-left corner at (x, y), cut to this picture.
    void blit(const Image& other, int x, int y);
    // Each pixel becomes a factor x factor block.
    Image scaled(int factor) const;

    bool operator==(const Image&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

} // namespace ornadeck
