#include "designer/DesignerView.h"

#include "AppCore.h"
#include "designer/PictureImage.h"
#include "designer/PointerState.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace ornadeck::app {

namespace {

std::optional<MouseButton> coreButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

Qt::CursorShape cursorOf(PointerShape shape) {
    switch (shape) {
    case PointerShape::SizeHorizontal:
        return Qt::SizeHorCursor;
    case PointerShape::SizeVertical:
        return Qt::SizeVerCursor;
    case PointerShape::SizeDiagonalDown:
        return Qt::SizeFDiagCursor;
    case PointerShape::SizeDiagonalUp:
        return Qt::SizeBDiagCursor;
    case PointerShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

// A release carries the released button too, so the core reads "right alone" at both ends.
ShiftState stateOf(const QMouseEvent& e, std::uint8_t extraButton = 0) {
    return ShiftState(
        static_cast<std::uint8_t>(shiftStateOf(e.modifiers(), e.buttons()).flags | extraButton));
}

} // namespace

DesignerView::DesignerView(AppCore& core, Form& form, QWidget* parent)
    : QWidget(parent), core_(core), designer_(core.workspace, core.ui, core.kits, form) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Form designer"));
    setWhatsThis(tr("The form's Palm screen. Click a control tool, then the screen, to place "
                    "a control."));
    updateMapping();
}

void DesignerView::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, 4);
    updateMapping();
    update();
}

void DesignerView::updateMapping() {
    const qreal dpr = window() && window()->windowHandle()
                          ? window()->windowHandle()->devicePixelRatio()
                          : devicePixelRatioF();
    mapping_ = ViewMapping(zoom_, dpr);
    setFixedSize(mapping_.logicalSize(DevicePicture::kWidth, DevicePicture::kHeight));
}

void DesignerView::invalidatePicture() {
    pictureValid_ = false;
    update();
}

const QImage& DesignerView::picture() {
    if (!pictureValid_) {
        picture_ = toQImage(core_.renderer.designer(form()));
        pictureValid_ = true;
    }
    return picture_;
}

void DesignerView::paintEvent(QPaintEvent*) {
    if (!qFuzzyCompare(mapping_.devicePixelRatio(), devicePixelRatioF())) updateMapping();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& image = picture();
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QRectF(0, 0, image.width() * mapping_.factor() / mapping_.devicePixelRatio(),
                             image.height() * mapping_.factor() / mapping_.devicePixelRatio()),
                      image);
}

void DesignerView::mousePressEvent(QMouseEvent* e) {
    const auto button = coreButton(e->button());
    if (!button) return;
    pressed_ = true;
    designer_.mousePress(mapping_.toSurface(e->position()), *button, stateOf(*e));
    invalidatePicture();
    emit changed();
}

void DesignerView::mouseMoveEvent(QMouseEvent* e) {
    const bool dragging = (e->buttons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    designer_.mouseMove(mapping_.toSurface(e->position()), stateOf(*e));
    setCursor(cursorOf(designer_.pointer()));
    if (dragging) {
        invalidatePicture();
        emit changed();
    }
}

void DesignerView::mouseReleaseEvent(QMouseEvent* e) {
    const auto button = coreButton(e->button());
    if (!button) return;
    pressed_ = false;
    designer_.mouseRelease(mapping_.toSurface(e->position()), *button,
                           stateOf(*e, buttonFlag(*button)));
    invalidatePicture();
    emit changed();
    // The surface has no popup; a right click on a control selected it first.
    if (*button == MouseButton::Right && core_.workspace.selected.control != nullptr)
        emit popupRequested(e->globalPosition().toPoint());
}

void DesignerView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete && e->modifiers() == Qt::NoModifier) {
        designer_.deleteSelected();
        invalidatePicture();
        emit changed();
        return;
    }
    QWidget::keyPressEvent(e);
}

void DesignerView::endAnyDrag() {
    if (!pressed_) return;
    pressed_ = false;
    designer_.releaseCapture();
    invalidatePicture();
    emit changed();
}

void DesignerView::focusOutEvent(QFocusEvent* e) {
    // A popup or another window took the pointer: no release will come.
    endAnyDrag();
    QWidget::focusOutEvent(e);
}

void DesignerView::hideEvent(QHideEvent* e) {
    endAnyDrag();
    QWidget::hideEvent(e);
}

bool DesignerView::event(QEvent* e) {
    if (e->type() == QEvent::UngrabMouse || e->type() == QEvent::WindowDeactivate) endAnyDrag();
    if (e->type() == QEvent::ScreenChangeInternal) updateMapping();
    return QWidget::event(e);
}

} // namespace ornadeck::app
