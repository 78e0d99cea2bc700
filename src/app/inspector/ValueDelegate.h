#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace ornadeck {
class Inspector;
}

namespace ornadeck::app {

// The in-place editors of the value column: a text box, a pick list or an ellipsis box,
// as the inspector model says for the row. Values travel as they change, not on commit.
class ValueDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    ValueDelegate(const Inspector& inspector, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The editor open now, if any.
    QWidget* editor() const { return editor_; }

  signals:
    void typed(int row, const QString& text);
    void picked(int row, const QString& text);
    void openRequested(int row);
    // Up or Down in a closed pick list.
    void moveRequested(int row, int step);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    const Inspector& inspector_;
    mutable QPointer<QWidget> editor_;
};

} // namespace ornadeck::app
