#include "objects/ObjectsDock.h"

#include "AppCore.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "objects/ObjectTreeWidget.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QAction>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <unordered_set>

namespace ornadeck::app {

namespace {

constexpr int kFormRole = Qt::UserRole;
constexpr int kControlRole = Qt::UserRole + 1;

const void* keyOf(const ObjectNode& node) {
    return node.control ? static_cast<const void*>(node.control) : node.form;
}
Form* formOf(const QTreeWidgetItem* item) {
    return static_cast<Form*>(item->data(0, kFormRole).value<void*>());
}
Control* controlOf(const QTreeWidgetItem* item) {
    return static_cast<Control*>(item->data(0, kControlRole).value<void*>());
}
const void* keyOf(const QTreeWidgetItem* item) {
    Control* control = controlOf(item);
    return control ? static_cast<const void*>(control) : formOf(item);
}

// F2 edits the name alone; the new name goes to the dock once the editor has closed, so a
// refusal's message box cannot end the edit a second time.
class NameDelegate : public QStyledItemDelegate {
  public:
    using Rename = std::function<void(QTreeWidgetItem*, const QString&)>;
    NameDelegate(ObjectTreeWidget& tree, Rename rename)
        : QStyledItemDelegate(&tree), tree_(tree), rename_(std::move(rename)) {}

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        static_cast<QLineEdit*>(editor)->setText(text.section(u':', 0, 0));
    }
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        QTreeWidgetItem* item = tree_.itemFromIndex(index);
        const QString name = static_cast<QLineEdit*>(editor)->text();
        const void* key = item ? keyOf(item) : nullptr;
        QMetaObject::invokeMethod(
            &tree_,
            [this, key, name] {
                // The item is found again: the tree may have changed meanwhile.
                for (QTreeWidgetItemIterator it(&tree_); *it; ++it)
                    if (keyOf(*it) == key) return rename_(*it, name);
            },
            Qt::QueuedConnection);
    }

  private:
    ObjectTreeWidget& tree_;
    Rename rename_;
};

} // namespace

ObjectsDock::ObjectsDock(AppCore& core, DesignerViews& views, QWidget* parent)
    : QDockWidget(tr("Objects"), parent), core_(core), views_(views),
      tree_(new ObjectTreeWidget(this)) {
    setObjectName("dockObjects");
    toggleViewAction()->setObjectName("mnuObjectsWindow");
    toggleViewAction()->setText(tr("&Objects"));
    toggleViewAction()->setStatusTip(tr("Show or hide the tree of the forms' controls"));
    tree_->setObjectName("treeObjects");
    tree_->setAccessibleName(tr("Objects"));
    tree_->setItemDelegate(new NameDelegate(
        *tree_, [this](QTreeWidgetItem* item, const QString& name) { rename(item, name); }));
    setWidget(tree_);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!updating_) chosen();
    });
    connect(tree_, &ObjectTreeWidget::deleteRequested, this, &ObjectsDock::deleteChosen);
    connect(tree_, &ObjectTreeWidget::restackRequested, this, &ObjectsDock::restack);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown) refresh();
    });
}

void ObjectsDock::refresh() {
    // Items must not move under an open name editor; the rename refreshes when it ends.
    if (isHidden() || tree_->renaming()) return;
    updating_ = true;
    items_.clear();
    syncChildren(tree_->invisibleRootItem(),
                 objectTree(core_.workspace, *core_.kits.current().engine));
    mirrorSelection();
    updating_ = false;
}

void ObjectsDock::syncChildren(QTreeWidgetItem* parent, const std::vector<ObjectNode>& nodes) {
    // Items whose object is gone go first, so the rest only need moving into place.
    std::unordered_set<const void*> wanted;
    for (const ObjectNode& node : nodes)
        wanted.insert(keyOf(node));
    for (int i = parent->childCount() - 1; i >= 0; --i)
        if (!wanted.count(keyOf(parent->child(i)))) delete parent->takeChild(i);
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i) {
        const ObjectNode& node = nodes[static_cast<std::size_t>(i)];
        const void* key = keyOf(node);
        QTreeWidgetItem* item = i < parent->childCount() ? parent->child(i) : nullptr;
        if (!item || keyOf(item) != key) {
            item = nullptr;
            for (int j = i + 1; j < parent->childCount() && !item; ++j)
                if (keyOf(parent->child(j)) == key) item = parent->takeChild(j);
            const bool made = !item;
            if (made) {
                item = new QTreeWidgetItem;
                item->setFlags(item->flags() | Qt::ItemIsEditable);
                ++touched_;
            }
            parent->insertChild(i, item);
            item->setData(0, kFormRole, QVariant::fromValue<void*>(node.form));
            item->setData(0, kControlRole, QVariant::fromValue<void*>(node.control));
            if (made || !node.children.empty()) item->setExpanded(true);
        }
        items_.emplace(key, item);
        const QString text = QString::fromStdString(node.text);
        if (item->text(0) != text) {
            item->setText(0, text);
            item->setData(0, Qt::AccessibleTextRole, text);
            ++touched_;
        }
        syncChildren(item, node.children);
    }
}

void ObjectsDock::mirrorSelection() {
    const Selection& selected = core_.workspace.selected;
    std::vector<QTreeWidgetItem*> chosenItems;
    for (Control* c : chosenControls(selected))
        if (auto it = items_.find(c); it != items_.end()) chosenItems.push_back(it->second);
    if (chosenItems.empty() && selected.form)
        if (auto it = items_.find(selected.form); it != items_.end())
            chosenItems.push_back(it->second);
    const QList<QTreeWidgetItem*> shown = tree_->selectedItems();
    const bool same = static_cast<std::size_t>(shown.size()) == chosenItems.size() &&
                      std::all_of(chosenItems.begin(), chosenItems.end(),
                                  [](QTreeWidgetItem* i) { return i->isSelected(); });
    if (same) return;
    tree_->clearSelection();
    for (QTreeWidgetItem* item : chosenItems)
        item->setSelected(true);
    if (chosenItems.empty()) return;
    // The selected object itself is the current item, wherever it stands in the marks.
    QTreeWidgetItem* current = chosenItems.back();
    if (selected.control)
        if (auto it = items_.find(selected.control); it != items_.end()) current = it->second;
    tree_->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    tree_->scrollToItem(current);
}

DesignerView* ObjectsDock::viewOfItem(QTreeWidgetItem* item) const {
    return item ? views_.viewOf(formOf(item)) : nullptr;
}

void ObjectsDock::afterChange(DesignerView& view) {
    view.invalidatePicture();
    emit changed();
}

void ObjectsDock::chosen() {
    QTreeWidgetItem* current = tree_->currentItem();
    DesignerView* view = viewOfItem(current);
    if (!view) return;
    Form* form = formOf(current);
    Control* control = controlOf(current);
    std::vector<Control*> marked;
    bool currentMarked = false;
    for (QTreeWidgetItem* item : tree_->selectedItems())
        if (formOf(item) == form && controlOf(item)) {
            marked.push_back(controlOf(item));
            currentMarked |= item == current;
        }
    // Ctrl+click took the current item out: the last one left stands for the selection.
    if (control && !currentMarked) control = marked.empty() ? nullptr : marked.back();
    view->editor().chooseControls(control, marked);
    afterChange(*view);
}

void ObjectsDock::rename(QTreeWidgetItem* item, const QString& name) {
    DesignerView* view = viewOfItem(item);
    if (!view) return;
    // A refusal has been reported; the item shows the name the object kept.
    (void)view->editor().rename(controlOf(item), name.toStdString());
    afterChange(*view);
}

void ObjectsDock::deleteChosen() {
    DesignerView* view = viewOfItem(tree_->currentItem());
    if (!view) return;
    std::vector<Control*> doomed;
    for (QTreeWidgetItem* item : tree_->selectedItems())
        if (formOf(item) == &view->form() && controlOf(item)) doomed.push_back(controlOf(item));
    if (doomed.empty()) return;
    view->editor().deleteControls(doomed);
    afterChange(*view);
}

void ObjectsDock::restack(QTreeWidgetItem* item, int index) {
    DesignerView* view = viewOfItem(item);
    Control* control = item ? controlOf(item) : nullptr;
    if (!view || !control || !view->editor().moveInStack(*control, index)) return;
    afterChange(*view);
}

} // namespace ornadeck::app
