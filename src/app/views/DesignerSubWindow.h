#pragma once

#include <QMdiSubWindow>

namespace ornadeck::app {

class DesignerView;

// The frame of one designer window inside the main window. Closing it asks the core, which
// may keep it open; only the program and Close All destroy it without a question.
class DesignerSubWindow : public QMdiSubWindow {
    Q_OBJECT
  public:
    DesignerSubWindow(DesignerView* view, QWidget* parent = nullptr);

    DesignerView* view() const { return view_; }
    // The next close is for good, without asking.
    void closeForGood();
    // Fits the frame around the view after a zoom or density change.
    void fitToView();

  signals:
    void closeRequested(DesignerSubWindow* window);
    void moved(DesignerSubWindow* window);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    DesignerView* view_;
    bool forGood_ = false;
};

} // namespace ornadeck::app
