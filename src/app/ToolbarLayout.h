#pragma once

#include <QList>

class QMainWindow;
class QToolBar;

namespace ornadeck {
class IniFile;
}

namespace ornadeck::app {

// Where the toolbars stand, kept in options.ini: one section per toolbar (visibility, dock,
// row, position, floating place) and the window's dock state for what sections cannot say.
// A missing or unreadable section puts its toolbar where it starts on a fresh install.
class ToolbarLayout {
  public:
    static void restore(QMainWindow& window, const QList<QToolBar*>& toolbars, const IniFile& ini);
    static void save(const QMainWindow& window, const QList<QToolBar*>& toolbars, IniFile& ini);
};

} // namespace ornadeck::app
