#include "generate/IconPicture.h"

#include "QtUi.h"

#include <QImage>

namespace ornadeck::app {

bool isReadablePicture(const std::filesystem::path& path) {
    return !QImage(toQString(path)).isNull();
}

QPixmap iconPicture(const std::filesystem::path& path) {
    if (path.empty()) return {};
    return QPixmap::fromImage(QImage(toQString(path)));
}

} // namespace ornadeck::app
