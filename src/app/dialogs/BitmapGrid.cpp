#include "dialogs/BitmapGrid.h"

#include "shell/BitmapEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ornadeck::app {

namespace {

constexpr int kPitch = BitmapEditor::kCellPitch;

ShiftState heldOf(const QMouseEvent& e) {
    std::uint8_t flags = 0;
    if (e.modifiers() & Qt::ShiftModifier) flags |= ShiftState::Shift;
    if (e.modifiers() & Qt::ControlModifier) flags |= ShiftState::Ctrl;
    if (e.buttons() & Qt::LeftButton) flags |= ShiftState::LeftButton;
    if (e.buttons() & Qt::RightButton) flags |= ShiftState::RightButton;
    if (e.buttons() & Qt::MiddleButton) flags |= ShiftState::MiddleButton;
    return ShiftState(flags);
}

Point toCell(QPoint p) { return {p.x(), p.y()}; }

} // namespace

BitmapGrid::BitmapGrid(BitmapEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName("grdBitmap");
    setAccessibleName(tr("Bitmap pixels"));
    setWhatsThis(tr("Click a cell to toggle it; drag to paint black, Shift-drag to paint white. "
                    "Arrow keys move, Space toggles."));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kPitch * editor_.width(), kPitch * editor_.height());
}

QPoint BitmapGrid::cellAt(QPoint pos) const {
    // Whole cells: a point left of or above the grid is outside, not cell 0.
    auto cell = [](int v) { return v < 0 ? -1 : v / kPitch; };
    return {cell(pos.x()), cell(pos.y())};
}

QPoint BitmapGrid::centreOf(QPoint cell) const {
    return {cell.x() * kPitch + kPitch / 2, cell.y() * kPitch + kPitch / 2};
}

void BitmapGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    const auto& bits = editor_.bits();
    for (int y = 0; y < editor_.height(); ++y)
        for (int x = 0; x < editor_.width(); ++x)
            painter.fillRect(x * kPitch, y * kPitch, kPitch - 1, kPitch - 1,
                             bits.at(x, y) ? Qt::black : Qt::white);
    if (auto c = editor_.current(); c && hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(c->x * kPitch, c->y * kPitch, kPitch - 2, kPitch - 2);
    }
}

void BitmapGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    editor_.press(toCell(cellAt(e->position().toPoint())));
    update();
}

void BitmapGrid::mouseMoveEvent(QMouseEvent* e) {
    editor_.move(toCell(cellAt(e->position().toPoint())), heldOf(*e));
    update();
}

void BitmapGrid::keyPressEvent(QKeyEvent* e) {
    const Point at = editor_.current().value_or(Point{0, 0});
    Point next = at;
    switch (e->key()) {
    case Qt::Key_Left:
        next.x = std::max(0, at.x - 1);
        break;
    case Qt::Key_Right:
        next.x = std::min(editor_.width() - 1, at.x + 1);
        break;
    case Qt::Key_Up:
        next.y = std::max(0, at.y - 1);
        break;
    case Qt::Key_Down:
        next.y = std::min(editor_.height() - 1, at.y + 1);
        break;
    case Qt::Key_Space:
        editor_.press(at);
        update();
        return;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    editor_.select(next);
    update();
}

} // namespace ornadeck::app
