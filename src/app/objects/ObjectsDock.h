#pragma once

#include "workbench/ObjectTree.h"

#include <QDockWidget>
#include <unordered_map>
#include <vector>

class QTreeWidgetItem;

namespace ornadeck::app {

class AppCore;
class DesignerView;
class DesignerViews;
class ObjectTreeWidget;

// The "Objects" tool window: the shown forms of the project as a tree of their controls. Its
// selection and the designer's marks follow each other; F2 renames, Delete deletes, and
// dragging an item among its siblings restacks it. Each refresh touches only the items that
// changed, so typing in the inspector stays quick on a large form.
class ObjectsDock : public QDockWidget {
    Q_OBJECT
  public:
    ObjectsDock(AppCore& core, DesignerViews& views, QWidget* parent);

    // Brings the tree in line with the forms and the selection; nothing while it is hidden.
    void refresh();
    ObjectTreeWidget& tree() const { return *tree_; }
    // How many items were made or had their text set since the window was made.
    int itemsTouched() const { return touched_; }

  signals:
    // A form changed, or the selection moved, through the tree.
    void changed();

  private:
    void syncChildren(QTreeWidgetItem* parent, const std::vector<ObjectNode>& nodes);
    void mirrorSelection();
    void chosen();
    void rename(QTreeWidgetItem* item, const QString& name);
    void deleteChosen();
    void restack(QTreeWidgetItem* item, int index);
    DesignerView* viewOfItem(QTreeWidgetItem* item) const;
    void afterChange(DesignerView& view);

    AppCore& core_;
    DesignerViews& views_;
    ObjectTreeWidget* tree_;
    std::unordered_map<const void*, QTreeWidgetItem*> items_;
    bool updating_ = false;
    int touched_ = 0;
};

} // namespace ornadeck::app
