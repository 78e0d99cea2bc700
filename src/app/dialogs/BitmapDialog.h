#pragma once

#include <QDialog>

namespace ornadeck {
class BitmapEditor;
class Ui;
} // namespace ornadeck

namespace ornadeck::app {

class BitmapGrid;

// "Bitmap Editor": the cell grid with OK, Cancel and "Clear" in a column on its right.
// It edits the model only; the caller stores the picture on OK.
class BitmapDialog : public QDialog {
    Q_OBJECT
  public:
    BitmapDialog(BitmapEditor& editor, Ui& ui, QWidget* parent = nullptr);

    BitmapGrid& grid() const { return *grid_; }

    // Shows the editor modally; true on OK.
    static bool edit(QWidget* parent, BitmapEditor& editor, Ui& ui);

  private:
    BitmapGrid* grid_;
};

} // namespace ornadeck::app
