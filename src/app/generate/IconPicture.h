#pragma once

#include <QPixmap>
#include <filesystem>

namespace ornadeck::app {

// Whether Qt's image reader can decode the file: the core's test before it takes an icon.
bool isReadablePicture(const std::filesystem::path& path);

// The icon as its box shows it, at its own size (no scaling: the pixels are the icon's).
QPixmap iconPicture(const std::filesystem::path& path);

} // namespace ornadeck::app
