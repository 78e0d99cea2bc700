#pragma once

#include "render/Image.h"

namespace ornadeck {

// The handheld drawn around the form: 167 x 226 pixels, its screen 160 x 160 at (4, 2),
// with the writing area and the application buttons below it. Our own drawing.
class DevicePicture {
  public:
    static constexpr int kWidth = 167;
    static constexpr int kHeight = 226;
    static constexpr int kScreenLeft = 4;
    static constexpr int kScreenTop = 2;

    // Drawn once; every designer picture starts from it.
    static const Image& image();
};

} // namespace ornadeck
