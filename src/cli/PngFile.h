#pragma once

#include "model/Status.h"
#include "render/Image.h"

#include <filesystem>
#include <optional>

namespace ornadeck::cli {

// PNG files of our pictures, written atomically like every file the program writes.
Status writePng(const Image& image, const std::filesystem::path& path);
std::optional<Image> readPng(const std::filesystem::path& path);
// A PNG or a Windows bitmap, told apart by their first bytes, not by the file's name.
std::optional<Image> readIconPicture(const std::filesystem::path& path);

} // namespace ornadeck::cli
