#pragma once

#include "codegen/Generation.h"
#include "render/Image.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace ornadeck {

// Reads a picture file; nothing when it is not one the reader knows.
using PictureReader = std::function<std::optional<Image>(const std::filesystem::path&)>;

// The Windows bitmaps the core reads itself.
std::optional<Image> readBmpPicture(const std::filesystem::path& path);

// Icons written as real Windows bitmaps from the picture `read` finds in the chosen file,
// whatever its format (`formats`, when not empty, names those `read` knows for the message
// when it fails).
IconFileWriter bitmapIconWriter(PictureReader read, std::string formats);

} // namespace ornadeck
