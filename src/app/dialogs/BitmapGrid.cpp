#include "dialogs/BitmapGrid.h"

#include "views/PointerState.h"
#include "workbench/BitmapEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <map>

namespace ornadeck::app {

namespace {

constexpr int kPitch = BitmapEditor::kCellPitch;

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
    editor_.move(toCell(cellAt(e->position().toPoint())),
                 shiftStateOf(e->modifiers(), e->buttons()));
    update();
}

void BitmapGrid::keyPressEvent(QKeyEvent* e) {
    static const std::map<int, Point> kSteps{{Qt::Key_Left, {-1, 0}},
                                             {Qt::Key_Right, {1, 0}},
                                             {Qt::Key_Up, {0, -1}},
                                             {Qt::Key_Down, {0, 1}}};
    const Point at = editor_.current().value_or(Point{0, 0});
    if (e->key() == Qt::Key_Space) {
        editor_.press(at);
    } else if (auto step = kSteps.find(e->key()); step != kSteps.end()) {
        // A step off the picture is ignored by the editor.
        editor_.select({at.x + step->second.x, at.y + step->second.y});
    } else {
        QWidget::keyPressEvent(e);
        return;
    }
    update();
}

} // namespace ornadeck::app
