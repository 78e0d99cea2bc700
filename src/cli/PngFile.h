#pragma once

#include "model/Status.h"
#include "render/Image.h"

#include <filesystem>
#include <optional>

namespace ornadeck::cli {

// PNG files of our pictures, written atomically like every file the program writes.
Status writePng(const Image& image, const std::filesystem::path& path);
// In the ornadeck_png_read library (Qt Gui), which the program itself does not link.
std::optional<Image> readPng(const std::filesystem::path& path);

} // namespace ornadeck::cli
