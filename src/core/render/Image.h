#pragma once

#include "model/Library.h"

#include <cstdint>
#include <vector>

namespace ornadeck {

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
