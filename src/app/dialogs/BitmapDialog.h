#pragma once

#include <QDialog>

namespace ornadeck {
class BitmapEditor;
class Ui;
} // namespace ornadeck

namespace ornadeck::app {

class QtUi;

class BitmapGrid;

// "Bitmap Editor": the cell grid with OK, Cancel and "Clear" in a column on its right.
// It edits the model only; the caller stores the picture on OK.
class BitmapDialog : public QDialog {
    Q_OBJECT
  public:
    BitmapDialog(BitmapEditor& editor, Ui& ui, QWidget* parent = nullptr);

    BitmapGrid& grid() const { return *grid_; }

    // Shows the editor modally, its questions parented to it; true on OK.
    static bool edit(QWidget* parent, BitmapEditor& editor, QtUi& ui);

  private:
    BitmapGrid* grid_;
};

} // namespace ornadeck::app
