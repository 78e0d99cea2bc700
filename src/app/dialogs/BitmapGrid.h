#pragma once

#include <QWidget>

namespace ornadeck {
class BitmapEditor;
}

namespace ornadeck::app {

// The bitmap editor's cells: 10 x 10 pixels each with a 1-pixel grid line, black for a set
// pixel. The pointer and the keyboard (arrows move, Space toggles) edit the model.
class BitmapGrid : public QWidget {
    Q_OBJECT
  public:
    explicit BitmapGrid(BitmapEditor& editor, QWidget* parent = nullptr);

    // The cell under a point of this widget, which may lie outside the picture.
    QPoint cellAt(QPoint pos) const;
    // The centre of a cell, for whoever drives the grid like a pointer.
    QPoint centreOf(QPoint cell) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    BitmapEditor& editor_;
};

} // namespace ornadeck::app
