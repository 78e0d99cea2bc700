#pragma once

#include "check/Finding.h"

#include <QDockWidget>
#include <QTimer>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace ornadeck::app {

class AppCore;
class DesignerViews;

// The "Checks" tool window: the findings of the forms open in the designer. It checks again a
// moment after the last change, so typing never waits for it, and only while it is shown.
class ChecksDock : public QDockWidget {
    Q_OBJECT
  public:
    static constexpr int kPauseMs = 300;

    ChecksDock(AppCore& core, DesignerViews& views, QWidget* parent);

    // Something may have changed: check again after the pause, restarted by each call.
    void scheduleCheck();
    // Shows the window and checks at once.
    void showAndCheck();
    void checkNow();

    const std::vector<Finding>& findings() const { return findings_; }
    QTreeWidget& list() const { return *list_; }

  signals:
    // A finding was opened: its form and control are now the active ones.
    void changed();

  private:
    void fill();
    void open(QTreeWidgetItem* item);

    AppCore& core_;
    DesignerViews& views_;
    QTreeWidget* list_ = nullptr;
    QTimer pause_;
    std::vector<Finding> findings_;
    bool stale_ = true;
};

} // namespace ornadeck::app
