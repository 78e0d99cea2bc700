#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ornadeck::app {

// The "(Items)" and "(Bitmap)" boxes laid over a value cell: the text is not typed into;
// the ellipsis button or Alt+Down opens the row's editor, and Enter hands back to the grid.
class EllipsisBox : public QWidget {
    Q_OBJECT
  public:
    EllipsisBox(const QString& text, QWidget* parent = nullptr);

  signals:
    void openRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* text_;
    QToolButton* button_;
};

} // namespace ornadeck::app
