#pragma once

#include "model/Library.h"

#include <QMenu>
#include <string>

namespace ornadeck::app {

// Edit > Insert Control: the project library's control kinds, by their toolbar hints and in
// toolbar order, each with a letter of its own to choose it by keyboard.
class InsertControlMenu : public QMenu {
    Q_OBJECT
  public:
    explicit InsertControlMenu(QWidget* parent = nullptr);
    void configure(Library library);

  signals:
    void kindChosen(const std::string& kindTag);
};

// `text` with '&' before its first letter not in `taken` (which it joins); unchanged when
// every letter is taken.
QString withMnemonic(const QString& text, QString& taken);

} // namespace ornadeck::app
