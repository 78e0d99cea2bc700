#include "generate/IconPicture.h"

#include "QtUi.h"

#include <QImage>
#include <QPainter>

namespace ornadeck::app {

std::optional<Image> readPicture(const std::filesystem::path& path) {
    QImage read(toQString(path));
    if (read.isNull()) return std::nullopt;
    // Laid on white first, so what is transparent comes out white.
    QImage picture(read.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.drawImage(0, 0, read);
    }
    Image out(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            out.set(x, y,
                    static_cast<Color>(qRed(line[x])) | static_cast<Color>(qGreen(line[x])) << 8 |
                        static_cast<Color>(qBlue(line[x])) << 16);
    }
    return out;
}

QPixmap iconPicture(const std::filesystem::path& path) {
    if (path.empty()) return {};
    return QPixmap::fromImage(QImage(toQString(path)));
}

} // namespace ornadeck::app
