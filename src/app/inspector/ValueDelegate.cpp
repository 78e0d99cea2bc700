#include "inspector/ValueDelegate.h"

#include "inspector/EllipsisBox.h"
#include "workbench/Inspector.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace ornadeck::app {

namespace {

constexpr const char* kRowProperty = "inspectorRow";

QString qText(const std::string& s) { return QString::fromStdString(s); }

} // namespace

ValueDelegate::ValueDelegate(const Inspector& inspector, QObject* parent)
    : QStyledItemDelegate(parent), inspector_(inspector) {}

QWidget* ValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    const int row = index.row();
    const auto r = static_cast<std::size_t>(row);
    if (r >= inspector_.rows().size()) return nullptr;
    const QString name = qText(inspector_.rows()[r].name);
    // Editors are made in a const call but report to this delegate's listeners.
    auto* self = const_cast<ValueDelegate*>(this);
    QWidget* editor = nullptr;
    switch (inspector_.editorOf(r)) {
    case ValueEditor::ItemsBox:
    case ValueEditor::BitmapBox: {
        const bool items = inspector_.editorOf(r) == ValueEditor::ItemsBox;
        auto* box = new EllipsisBox(items ? tr("(Items)") : tr("(Bitmap)"), parent);
        connect(box, &EllipsisBox::openRequested, self,
                [self, row] { emit self->openRequested(row); });
        editor = box;
        break;
    }
    case ValueEditor::PickList: {
        auto* list = new QComboBox(parent);
        for (const std::string& entry : inspector_.entries(r))
            list->addItem(qText(entry));
        connect(list, &QComboBox::activated, self,
                [self, row, list](int i) { emit self->picked(row, list->itemText(i)); });
        editor = list;
        break;
    }
    case ValueEditor::Text: {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        connect(line, &QLineEdit::textEdited, self,
                [self, row](const QString& text) { emit self->typed(row, text); });
        editor = line;
        break;
    }
    }
    editor->setAccessibleName(name);
    editor->setProperty(kRowProperty, row);
    editor_ = editor;
    return editor;
}

void ValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        // Rewriting the same text would move the cursor of someone typing.
        if (line->text() != value) line->setText(value);
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // No entry is chosen when none equals the value.
        list->setCurrentIndex(list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

void ValueDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return;
    model->setData(index, finish_ ? finish_(index.row(), line->text()) : line->text());
}

void ValueDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

bool ValueDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor) return QStyledItemDelegate::eventFilter(object, event);
    // A message about the value typed takes the focus for a moment; the editor stays.
    if (event->type() == QEvent::FocusOut && QApplication::activeModalWidget()) return false;
    if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        // A name not yet applied is dropped; every other change already reached the engine,
        // so there is nothing to revert to.
        const auto row = static_cast<std::size_t>(editor->property(kRowProperty).toInt());
        if (!inspector_.appliesWhenEditEnds(row)) emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    const bool upOrDown = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    if (list && upOrDown && key->modifiers() == Qt::NoModifier && !list->view()->isVisible()) {
        emit moveRequested(editor->property(kRowProperty).toInt(),
                           key->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace ornadeck::app
