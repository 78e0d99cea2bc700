#include "cli/PngFile.h"

#include <QImage>

namespace ornadeck::cli {

// Qt reads any PNG, the reviewed pictures of the gallery included; only the tests need it.
std::optional<Image> readPng(const std::filesystem::path& path) {
    QImage q;
    if (!q.load(QString::fromStdString(path.string()), "PNG")) return std::nullopt;
    q = q.convertToFormat(QImage::Format_RGB32);
    Image image(q.width(), q.height());
    for (int y = 0; y < q.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(q.constScanLine(y));
        for (int x = 0; x < q.width(); ++x)
            image.set(x, y,
                      static_cast<Color>(qRed(line[x])) | static_cast<Color>(qGreen(line[x])) << 8 |
                          static_cast<Color>(qBlue(line[x])) << 16);
    }
    return image;
}

} // namespace ornadeck::cli
