#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

namespace ornadeck {
class Inspector;
}

namespace ornadeck::app {

// The in-place editors of the value column: a text box, a pick list or an ellipsis box,
// as the inspector model says for the row. Values travel as they change, but for the rows
// the model applies when their edit ends; either way the ended edit leaves in the cell what
// the `finish` hook answers (what the object now holds).
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
    // Called when a text edit ends, with its row and text; answers what the cell shows.
    void setFinish(std::function<QString(int row, const QString& text)> finish) {
        finish_ = std::move(finish);
    }

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
    std::function<QString(int, const QString&)> finish_;
};

} // namespace ornadeck::app
