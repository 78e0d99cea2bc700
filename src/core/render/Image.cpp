#include "render/Image.h"

#include <algorithm>

namespace ornadeck {

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_) {
    if (fill != 0) fillPixels(pixels_.data(), pixels_.size(), fill);
}

void Image::blit(const Image& other, int x, int y) {
    for (int row = 0; row < other.height(); ++row)
        for (int col = 0; col < other.width(); ++col)
            if (contains(x + col, y + row)) set(x + col, y + row, other.at(col, row));
}

Image Image::scaled(int factor) const {
    factor = std::max(factor, 1);
    Image out(width_ * factor, height_ * factor);
    for (int y = 0; y < out.height_; ++y)
        for (int x = 0; x < out.width_; ++x)
            out.set(x, y, at(x / factor, y / factor));
    return out;
}

} // namespace ornadeck
