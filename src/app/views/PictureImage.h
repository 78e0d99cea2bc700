#pragma once

#include "render/Image.h"

#include <QImage>

namespace ornadeck::app {

// The core's picture (toolkit colours 0x00BBGGRR) as a Qt image, pixel for pixel.
QImage toQImage(const Image& image);

} // namespace ornadeck::app
