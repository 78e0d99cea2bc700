#pragma once

#include <QPlainTextEdit>

namespace ornadeck::app {

// A plain-text editor that pastes only text. Qt 6.4's own paste reads the first format of
// whatever the clipboard holds without checking that there is one, so a paste from an empty
// clipboard (a fresh X session, a clipboard owner that quit) crashed the program.
class PlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit PlainTextEdit(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace ornadeck::app
