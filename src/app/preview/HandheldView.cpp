#include "preview/HandheldView.h"

#include "render/DevicePicture.h"
#include "render/FormRenderer.h"
#include "views/PictureImage.h"
#include "workbench/PreviewSession.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ornadeck::app {

HandheldView::HandheldView(PreviewSession& preview, const FormRenderer& renderer, int zoom,
                           QWidget* parent)
    : QWidget(parent), preview_(preview), renderer_(renderer), mapping_(zoom, devicePixelRatioF()) {
    setObjectName("viewHandheld");
    setAccessibleName(tr("Handheld"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    repeat_.setInterval(kRepeatMs);
    connect(&repeat_, &QTimer::timeout, this, [this] { tap(held_); });
}

QSize HandheldView::sizeHint() const {
    return mapping_.logicalSize(DevicePicture::kWidth, DevicePicture::kHeight);
}

void HandheldView::paintEvent(QPaintEvent*) {
    Image picture = DevicePicture::image();
    picture.blit(preview_.screen(renderer_), DevicePicture::kScreenLeft, DevicePicture::kScreenTop);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const qreal scale = mapping_.factor() / mapping_.devicePixelRatio();
    painter.drawImage(QRectF(0, 0, picture.width() * scale, picture.height() * scale),
                      toQImage(picture));
}

void HandheldView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    held_ = mapping_.toSurface(event->position());
    const bool repeats = preview_.repeatsAt(held_);
    tap(held_);
    if (repeats) repeat_.start();
}

void HandheldView::mouseReleaseEvent(QMouseEvent*) { repeat_.stop(); }

void HandheldView::tap(Point onScreen) {
    preview_.tap(onScreen);
    if (preview_.flashing())
        QTimer::singleShot(kFlashMs, this, [this] {
            preview_.endFlash();
            update();
        });
    update();
    emit changed();
}

void HandheldView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        preview_.end();
        break;
    case Qt::Key_Backspace:
        preview_.back();
        break;
    case Qt::Key_Shift:
        preview_.shift();
        break;
    default:
        // Printable keys go to the field tapped last; Enter and the like do nothing.
        if (event->text().isEmpty() || !event->text().at(0).isPrint()) {
            QWidget::keyPressEvent(event);
            return;
        }
        preview_.type(event->text().toStdString());
        break;
    }
    update();
    emit changed();
}

} // namespace ornadeck::app
