#pragma once

#include "render/Image.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornadeck {

// A Windows bitmap file of the picture, as desktop PocketC compilers read icons: 1 bit per
// pixel (black and white palette) when the picture holds only black and white, 24 bits
// otherwise; rows bottom up, each padded to four bytes.
std::string bmpFileBytes(const Image& picture);

// Reads an uncompressed Windows bitmap (1, 4, 8, 24 or 32 bits per pixel, either row
// order); nothing for any other file, a compressed one, or one whose sizes do not fit.
std::optional<Image> decodeBmp(std::string_view bytes);

} // namespace ornadeck
