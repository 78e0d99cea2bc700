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

    // A rectangle of the picture, right and bottom included.
    struct Area {
        int left, top, right, bottom;
        constexpr bool contains(int x, int y) const {
            return x >= left && x <= right && y >= top && y <= bottom;
        }
    };
    // The silkscreen's home and menu shortcuts, with a little room around each for a finger.
    static constexpr Area kHomeIcon{6, 168, 17, 181};
    static constexpr Area kMenuIcon{6, 184, 17, 196};

    // Drawn once; every designer picture starts from it.
    static const Image& image();
};

} // namespace ornadeck
