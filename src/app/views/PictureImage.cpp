#include "views/PictureImage.h"

namespace ornadeck::app {

QImage toQImage(const Image& image) {
    QImage out(image.width(), image.height(), QImage::Format_RGB32);
    const Color* source = image.pixels().data();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const Color c = *source++;
            line[x] = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                           static_cast<int>((c >> 16) & 0xFF));
        }
    }
    return out;
}

} // namespace ornadeck::app
