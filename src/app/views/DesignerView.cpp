#include "views/DesignerView.h"

#include "AppCore.h"
#include "KindToolBar.h"
#include "views/PictureImage.h"
#include "views/PointerState.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

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
    : QWidget(parent), core_(core), editor_(core.workspace, core.ui, core.kits, form) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Form designer"));
    setAcceptDrops(true);
    setWhatsThis(tr("The form's Palm screen. Click a control tool, then the screen, to place "
                    "a control."));
    updateMapping();
}

void DesignerView::setZoom(int zoom) {
    const int wanted = std::clamp(zoom, 1, kMaxZoom);
    if (wanted == zoom_) return;
    zoom_ = wanted;
    updateMapping();
    update();
    emit zoomChanged(zoom_);
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
    const qreal scale = mapping_.factor() / mapping_.devicePixelRatio();
    painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
    if (const auto band = editor_.rubberBand()) {
        // Around the pixels the band spans, in picture pixels.
        const QPointF from = mapping_.fromSurface({band->left, band->top});
        const QPointF to = mapping_.fromSurface({band->right, band->bottom});
        const qreal half = scale / 2;
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(from - QPointF(half, half), to + QPointF(half - 1, half - 1)));
    }
    paintGuides(painter, scale);
}

// Each guide runs along the boundary between Palm pixels, so it sits on the edges it joins.
void DesignerView::paintGuides(QPainter& painter, qreal scale) {
    const std::vector<Guide> guides = editor_.guides();
    if (guides.empty()) return;
    painter.setPen(QPen(QColor(255, 0, 255), 1));
    const auto toView = [scale](int x, int y) {
        return QPointF((x + DevicePicture::kScreenLeft) * scale,
                       (y + DevicePicture::kScreenTop) * scale);
    };
    for (const Guide& g : guides) {
        if (g.axis == Guide::Axis::Vertical)
            painter.drawLine(toView(g.at, g.from), toView(g.at, g.to));
        else
            painter.drawLine(toView(g.from, g.at), toView(g.to, g.at));
    }
}

// A control tool dragged from the toolbar drops where a click would place it.
void DesignerView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(KindToolBar::kKindMime)) event->acceptProposedAction();
}

void DesignerView::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(KindToolBar::kKindMime)) return event->ignore();
    // Over the device around the screen the drop is refused, and the pointer says so.
    if (editor_.acceptsDrop(mapping_.toSurface(event->position())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesignerView::dropEvent(QDropEvent* event) {
    const QByteArray kind = event->mimeData()->data(KindToolBar::kKindMime);
    if (kind.isEmpty() ||
        !editor_.dropControl(kind.toStdString(), mapping_.toSurface(event->position()))) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setFocus();
    invalidatePicture();
    emit changed();
}

void DesignerView::mousePressEvent(QMouseEvent* e) {
    const auto button = coreButton(e->button());
    if (!button) return;
    pressed_ = true;
    editor_.mousePress(mapping_.toSurface(e->position()), *button, stateOf(*e));
    invalidatePicture();
    emit changed();
}

void DesignerView::mouseMoveEvent(QMouseEvent* e) {
    const bool dragging = (e->buttons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    editor_.mouseMove(mapping_.toSurface(e->position()), stateOf(*e));
    setCursor(cursorOf(editor_.pointer()));
    if (dragging) {
        invalidatePicture();
        emit changed();
    }
}

void DesignerView::mouseReleaseEvent(QMouseEvent* e) {
    const auto button = coreButton(e->button());
    if (!button) return;
    pressed_ = false;
    editor_.mouseRelease(mapping_.toSurface(e->position()), *button,
                         stateOf(*e, buttonFlag(*button)));
    invalidatePicture();
    emit changed();
    // Only a right click on a control that has the popup opens it; the press selected it.
    if (editor_.takePopupRequest()) emit popupRequested(e->globalPosition().toPoint());
}

void DesignerView::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, DesignerKey> keys[] = {
        {Qt::Key_Left, DesignerKey::Left},     {Qt::Key_Right, DesignerKey::Right},
        {Qt::Key_Up, DesignerKey::Up},         {Qt::Key_Down, DesignerKey::Down},
        {Qt::Key_Escape, DesignerKey::Escape}, {Qt::Key_Tab, DesignerKey::Tab},
        {Qt::Key_Backtab, DesignerKey::Tab},   {Qt::Key_Delete, DesignerKey::Delete},
    };
    const auto it = std::find_if(std::begin(keys), std::end(keys),
                                 [&](const auto& k) { return k.first == e->key(); });
    // Delete alone deletes; with a modifier it is some other command's key.
    const bool plainDelete = e->key() != Qt::Key_Delete || e->modifiers() == Qt::NoModifier;
    if (it == std::end(keys) || !plainDelete) {
        QWidget::keyPressEvent(e);
        return;
    }
    std::uint8_t flags = shiftStateOf(e->modifiers(), Qt::NoButton).flags;
    if (e->key() == Qt::Key_Backtab) flags |= ShiftState::Shift;
    if (!editor_.keyPress(it->second, ShiftState(flags))) {
        QWidget::keyPressEvent(e);
        return;
    }
    invalidatePicture();
    emit changed();
}

// Tab walks the form's controls, not the window's widgets.
bool DesignerView::focusNextPrevChild(bool) { return false; }

void DesignerView::wheelEvent(QWheelEvent* e) {
    if (!(e->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(e);
        return;
    }
    // Touchpads send many small deltas: a zoom step waits until they add up to a notch.
    wheelDelta_ += e->angleDelta().y();
    const int steps = wheelDelta_ / QWheelEvent::DefaultDeltasPerStep;
    wheelDelta_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) setZoom(zoom_ + steps);
    emit changed();
    e->accept();
}

void DesignerView::endAnyDrag() {
    if (!pressed_) return;
    pressed_ = false;
    editor_.releaseCapture();
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
