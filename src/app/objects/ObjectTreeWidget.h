#pragma once

#include "workbench/ObjectTree.h"

#include <QTreeWidget>

namespace ornadeck::app {

// The Objects tree's widget: items move among their siblings by drag and drop or Alt+Up and
// Alt+Down, F2 renames and Delete deletes. It only asks; the dock does the work through the
// core and then shows the result.
class ObjectTreeWidget : public QTreeWidget {
    Q_OBJECT
  public:
    explicit ObjectTreeWidget(QWidget* parent = nullptr);
    // The current item dropped on `target`: a sibling restacks, anything else stays.
    void dropOn(QTreeWidgetItem* target, DropSide side);
    // Whether an item's name editor is open.
    bool renaming() const { return state() == EditingState; }

  signals:
    // `item` should go to `index` among its siblings.
    void restackRequested(QTreeWidgetItem* item, int index);
    void deleteRequested();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Whether `item` may be dropped on `target`: only among its siblings.
    static bool mayDrop(const QTreeWidgetItem* item, const QTreeWidgetItem* target);
};

} // namespace ornadeck::app
