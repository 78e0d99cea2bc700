#include "inspector/InspectorDock.h"

#include "AppCore.h"
#include "dialogs/BitmapDialog.h"
#include "inspector/ValueDelegate.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ornadeck::app {

namespace {

QString qText(const std::string& s) { return QString::fromStdString(s); }

bool sameEntries(const std::vector<ComponentEntry>& a, const std::vector<ComponentEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ComponentEntry& x, const ComponentEntry& y) {
                          return x.control == y.control && x.text == y.text;
                      });
}

} // namespace

InspectorDock::InspectorDock(AppCore& core, DesignerViews& views, QWidget* parent)
    : QDockWidget(tr("Properties Editor"), parent), core_(core), views_(views),
      inspector_(core.workspace, core.ui, core.kits,
                 [&views](Form& form) -> FormEditor* {
                     DesignerView* view = views.viewOf(&form);
                     return view ? &view->editor() : nullptr;
                 }),
      combo_(new QComboBox), grid_(new QTableWidget(0, 2)),
      delegate_(new ValueDelegate(inspector_, this)) {
    setObjectName("TfrmProp");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    combo_->setObjectName("cmbForms");
    combo_->setAccessibleName(tr("Components"));
    combo_->setToolTip(tr("Every component of the active form"));
    grid_->setObjectName("stgProperties");
    grid_->setAccessibleName(tr("Properties"));
    grid_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 6));
    // Names keep their width (the user may drag it); values take the rest, so the grid
    // never scrolls sideways.
    grid_->horizontalHeader()->setDefaultSectionSize(130);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setItemDelegateForColumn(1, delegate_);
    grid_->setTabKeyNavigation(false);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(combo_);
    layout->addWidget(grid_);
    body->setMinimumWidth(200);
    setWidget(body);

    connect(combo_, &QComboBox::activated, this, &InspectorDock::chooseComponent);
    connect(delegate_, &ValueDelegate::typed, this, &InspectorDock::typed);
    delegate_->setFinish([this](int row, const QString& text) { return finish(row, text); });
    connect(delegate_, &ValueDelegate::picked, this, &InspectorDock::picked);
    connect(delegate_, &ValueDelegate::openRequested, this, &InspectorDock::openRow);
    connect(delegate_, &ValueDelegate::moveRequested, this, &InspectorDock::moveRow);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row < 0) return;
        // Names are not edited: the value cell of the row is the current one.
        if (column == 0) grid_->setCurrentCell(row, 1);
        if (auto* name = grid_->item(row, 0))
            core_.workspace.inspectorRow = name->text().toStdString();
    });
}

void InspectorDock::refresh() {
    if (inspector_.sync()) showRows();
    showComponents();
}

void InspectorDock::showRows() {
    const QString currentName = grid_->currentRow() >= 0 && grid_->item(grid_->currentRow(), 0)
                                    ? grid_->item(grid_->currentRow(), 0)->text()
                                    : QString();
    // New rows close whatever editor was open, as the engine hides them when it fills.
    grid_->setRowCount(0);
    const auto& rows = inspector_.rows();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        auto* name = new QTableWidgetItem(qText(rows[static_cast<std::size_t>(i)].name));
        name->setFlags(Qt::ItemIsEnabled);
        grid_->setItem(i, 0, name);
        grid_->setItem(i, 1, new QTableWidgetItem(qText(rows[static_cast<std::size_t>(i)].value)));
    }
    setCurrentRowQuietly(rowOf(currentName));
}

void InspectorDock::setCurrentRowQuietly(int row) {
    if (row < 0) return;
    // Only the user's own moves open an editor.
    const auto triggers = grid_->editTriggers();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setCurrentCell(row, 1);
    grid_->setEditTriggers(triggers);
}

void InspectorDock::showComponents() {
    std::vector<ComponentEntry> entries = inspector_.components();
    if (!sameEntries(entries, shownComponents_)) {
        shownComponents_ = std::move(entries);
        const QSignalBlocker quiet(combo_);
        combo_->clear();
        for (const ComponentEntry& e : shownComponents_)
            combo_->addItem(qText(e.text));
    }
    const Selection& shown = inspector_.shown();
    // Several controls edited together are no one entry: the combo says how many.
    const QString together = qText(inspector_.togetherText());
    if (combo_->placeholderText() != together) combo_->setPlaceholderText(together);
    int index = -1;
    for (std::size_t i = 0; i < shownComponents_.size() && shown.form && together.isEmpty(); ++i)
        if (shownComponents_[i].control == shown.control) index = static_cast<int>(i);
    if (combo_->currentIndex() != index) {
        const QSignalBlocker quiet(combo_);
        combo_->setCurrentIndex(index);
    }
}

int InspectorDock::rowOf(const QString& name) const {
    for (int i = 0; i < grid_->rowCount(); ++i)
        if (grid_->item(i, 0) && grid_->item(i, 0)->text() == name) return i;
    return -1;
}

QWidget* InspectorDock::openEditor(const QString& name) {
    const int row = rowOf(name);
    if (row < 0) return nullptr;
    grid_->setFocus();
    grid_->setCurrentCell(row, 1);
    if (!editor()) grid_->editItem(grid_->item(row, 1));
    return editor();
}

QWidget* InspectorDock::editor() const {
    QWidget* open = delegate_->editor();
    return open && open->isVisible() ? open : nullptr;
}

void InspectorDock::typed(int row, const QString& text) {
    if (inspector_.type(static_cast<std::size_t>(row), text.toStdString()) ==
        Inspector::Sent::Applied)
        emit edited();
}

QString InspectorDock::finish(int row, const QString& text) {
    const auto sent = inspector_.finish(static_cast<std::size_t>(row), text.toStdString());
    // The other cells show what the object holds now too; the edited one is the caller's.
    const auto& rows = inspector_.rows();
    for (int i = 0; i < grid_->rowCount() && i < static_cast<int>(rows.size()); ++i)
        if (i != row && grid_->item(i, 1))
            grid_->item(i, 1)->setText(qText(rows[static_cast<std::size_t>(i)].value));
    // Redrawing may rebuild the rows, which must wait until the grid has closed the editor.
    if (sent == Inspector::Sent::Applied)
        QMetaObject::invokeMethod(
            this, [this] { emit edited(); }, Qt::QueuedConnection);
    const auto r = static_cast<std::size_t>(row);
    return r < rows.size() ? qText(rows[r].value) : text;
}

void InspectorDock::picked(int row, const QString& text) {
    inspector_.pick(static_cast<std::size_t>(row), text.toStdString());
    showRows();
    emit edited();
}

void InspectorDock::openRow(int row) {
    switch (inspector_.editorOf(static_cast<std::size_t>(row))) {
    case ValueEditor::ItemsBox:
        if (inspector_.editItems()) emit edited();
        break;
    case ValueEditor::BitmapBox:
        if (auto editor = inspector_.openBitmap(); editor &&
                                                   BitmapDialog::edit(this, *editor, core_.ui) &&
                                                   inspector_.storeBitmap(*editor))
            emit edited();
        break;
    default:
        break;
    }
}

void InspectorDock::moveRow(int row, int step) {
    const int target = row + step;
    if (target < 0 || target >= grid_->rowCount()) return;
    grid_->setFocus();
    grid_->setCurrentCell(target, 1);
}

void InspectorDock::chooseComponent(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= shownComponents_.size()) return;
    DesignerView* view = views_.activeView();
    inspector_.chooseComponent(shownComponents_[static_cast<std::size_t>(index)],
                               view ? &view->editor() : nullptr);
    showRows();
    emit edited();
}

} // namespace ornadeck::app
