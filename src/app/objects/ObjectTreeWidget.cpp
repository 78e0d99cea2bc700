#include "objects/ObjectTreeWidget.h"

#include "workbench/ObjectTree.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace ornadeck::app {

namespace {

int indexAmongSiblings(QTreeWidgetItem* item) {
    QTreeWidgetItem* parent = item->parent();
    return parent ? parent->indexOfChild(item) : item->treeWidget()->indexOfTopLevelItem(item);
}

} // namespace

ObjectTreeWidget::ObjectTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
}

bool ObjectTreeWidget::event(QEvent* event) {
    // Delete and F2 belong to the tree while it has the focus, not to the designer's
    // Delete command.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_F2) &&
            key->modifiers() == Qt::NoModifier && state() != EditingState) {
            event->accept();
            return true;
        }
    }
    return QTreeWidget::event(event);
}

void ObjectTreeWidget::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* item = currentItem();
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deleteRequested();
        return;
    }
    if (item && event->modifiers() == Qt::AltModifier &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit restackRequested(item,
                              indexAmongSiblings(item) + (event->key() == Qt::Key_Up ? -1 : 1));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// A control never changes its parent this way, and forms stay in name order.
bool ObjectTreeWidget::mayDrop(const QTreeWidgetItem* item, const QTreeWidgetItem* target) {
    return item && target && item->parent() && target->parent() == item->parent();
}

void ObjectTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);
    if (!mayDrop(currentItem(), itemAt(event->position().toPoint()))) event->ignore();
}

void ObjectTreeWidget::dropEvent(QDropEvent* event) {
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    // The items move when the core has moved the controls, never by themselves.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    DropSide side = DropSide::On;
    // The indicator is worked out by the drag move that came before the drop.
    switch (dropIndicatorPosition()) {
    case QAbstractItemView::AboveItem:
        side = DropSide::Above;
        break;
    case QAbstractItemView::BelowItem:
        side = DropSide::Below;
        break;
    default:
        break;
    }
    dropOn(target, side);
}

void ObjectTreeWidget::dropOn(QTreeWidgetItem* target, DropSide side) {
    QTreeWidgetItem* item = currentItem();
    if (!mayDrop(item, target)) return;
    emit restackRequested(
        item, stackIndexAfterDrop(indexAmongSiblings(item), indexAmongSiblings(target), side));
}

} // namespace ornadeck::app
