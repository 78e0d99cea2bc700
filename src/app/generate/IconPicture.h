#pragma once

#include "render/Image.h"

#include <QPixmap>
#include <filesystem>
#include <optional>

namespace ornadeck::app {

// The picture in any format Qt's image reader decodes, as the core's pixels; transparent
// parts are laid on white, as the handheld shows an icon. Nothing when it cannot be read.
std::optional<Image> readPicture(const std::filesystem::path& path);

// The icon as its box shows it, at its own size (no scaling: the pixels are the icon's).
QPixmap iconPicture(const std::filesystem::path& path);

} // namespace ornadeck::app
