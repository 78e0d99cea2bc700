#include "render/DevicePicture.h"

#include <algorithm>
#include <cstdlib>

namespace ornadeck {

namespace {

constexpr Color kBody = 0x5A6B5E; // grey-green casing (toolkit BGR order)
constexpr Color kBodyLight = 0x7C8E80;
constexpr Color kBodyDark = 0x38433B;
constexpr Color kBezel = 0x1E2420;
constexpr Color kSilk = 0xC8D6CC; // printed writing area
constexpr Color kButton = 0x2C342F;
constexpr Color kButtonLight = 0x8A9A8E;

void fill(Image& img, int x1, int y1, int x2, int y2, Color c) {
    for (int y = std::max(y1, 0); y <= std::min(y2, img.height() - 1); ++y)
        for (int x = std::max(x1, 0); x <= std::min(x2, img.width() - 1); ++x)
            img.set(x, y, c);
}

void frame(Image& img, int x1, int y1, int x2, int y2, Color c) {
    fill(img, x1, y1, x2, y1, c);
    fill(img, x1, y2, x2, y2, c);
    fill(img, x1, y1, x1, y2, c);
    fill(img, x2, y1, x2, y2, c);
}

// A filled disc with a light rim on its upper left, like a moulded button.
void button(Image& img, int cx, int cy, int r) {
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x) {
            const int d = x * x + y * y;
            if (d > r * r) continue;
            const bool rim = d > (r - 1) * (r - 1);
            img.set(cx + x, cy + y, rim && (x + y) < 0 ? kButtonLight : kButton);
        }
}

// The silk-screened shortcuts beside the writing area: a house, a menu, a calculator, a lens.
void shortcutIcons(Image& img, int x, int y, bool left) {
    if (left) {
        for (int i = 0; i < 4; ++i)
            fill(img, x + 3 - i, y + i, x + 4 + i, y + i, kBezel); // roof
        frame(img, x, y + 4, x + 7, y + 9, kBezel);                // house
        for (int row = 0; row < 3; ++row)
            fill(img, x, y + 16 + 3 * row, x + 7, y + 16 + 3 * row, kBezel);
    } else {
        frame(img, x, y, x + 7, y + 9, kBezel);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                img.set(x + 2 + 2 * col, y + 4 + 2 * row, kBezel);
        for (int a = 0; a < 16; ++a) {
            const int dx = (a % 4) - 2, dy = (a / 4) - 2;
            if (std::abs(dx * dx + dy * dy - 4) <= 1) img.set(x + 3 + dx, y + 18 + dy, kBezel);
        }
        fill(img, x + 5, y + 21, x + 6, y + 22, kBezel);
    }
}

Image draw() {
    Image img(DevicePicture::kWidth, DevicePicture::kHeight, kBody);
    // Casing edge: light on the top and left, dark on the bottom and right.
    fill(img, 0, 0, DevicePicture::kWidth - 1, 0, kBodyLight);
    fill(img, 0, 0, 0, DevicePicture::kHeight - 1, kBodyLight);
    fill(img, 0, DevicePicture::kHeight - 1, DevicePicture::kWidth - 1, DevicePicture::kHeight - 1,
         kBodyDark);
    fill(img, DevicePicture::kWidth - 1, 0, DevicePicture::kWidth - 1, DevicePicture::kHeight - 1,
         kBodyDark);
    // Dark bezel hugging the screen; the screen itself is covered by the form.
    frame(img, DevicePicture::kScreenLeft - 1, DevicePicture::kScreenTop - 1,
          DevicePicture::kScreenLeft + 160, DevicePicture::kScreenTop + 160, kBezel);
    // Writing area: shortcut columns and the two writing boxes.
    const int top = 166, bottom = 198;
    fill(img, 4, top, 163, bottom, kSilk);
    frame(img, 4, top, 163, bottom, kBezel);
    frame(img, 20, top + 2, 80, bottom - 2, kBezel);
    frame(img, 87, top + 2, 147, bottom - 2, kBezel);
    for (int x = 26; x <= 74; x += 4)
        img.set(x, bottom - 7, kBezel); // letters base line
    for (int x = 93; x <= 141; x += 4)
        img.set(x, bottom - 7, kBezel); // numbers base line
    shortcutIcons(img, 8, top + 4, true);
    shortcutIcons(img, 151, top + 4, false);
    // Application buttons and the scroll rocker.
    for (int cx : {18, 50, 117, 149})
        button(img, cx, 212, 8);
    fill(img, 76, 203, 91, 210, kButton);
    fill(img, 76, 213, 91, 220, kButton);
    fill(img, 77, 203, 90, 203, kButtonLight);
    fill(img, 77, 213, 90, 213, kButtonLight);
    return img;
}

} // namespace

const Image& DevicePicture::image() {
    static const Image picture = draw();
    return picture;
}

} // namespace ornadeck
