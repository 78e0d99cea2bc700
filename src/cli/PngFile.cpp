#include "cli/PngFile.h"

#include "model/AtomicFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <string>

namespace ornadeck::cli {

namespace {

// Toolkit colours are 0x00BBGGRR; Qt wants 0xAARRGGBB.
QRgb toQt(Color c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
Color fromQt(QRgb c) {
    return static_cast<Color>(qRed(c)) | static_cast<Color>(qGreen(c)) << 8 |
           static_cast<Color>(qBlue(c)) << 16;
}

} // namespace

Status writePng(const Image& image, const std::filesystem::path& path) {
    QImage q(image.width(), image.height(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(q.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = toQt(image.at(x, y));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!q.save(&buffer, "PNG"))
        return Status::fail("Cannot write " + path.string() + ": the picture could not be encoded");
    return writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

std::optional<Image> readPng(const std::filesystem::path& path) {
    QImage q;
    if (!q.load(QString::fromStdString(path.string()), "PNG")) return std::nullopt;
    q = q.convertToFormat(QImage::Format_RGB32);
    Image image(q.width(), q.height());
    for (int y = 0; y < q.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(q.constScanLine(y));
        for (int x = 0; x < q.width(); ++x)
            image.set(x, y, fromQt(line[x]));
    }
    return image;
}

} // namespace ornadeck::cli
