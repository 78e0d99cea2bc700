#pragma once

#include <QMenu>
#include <string>
#include <vector>

namespace ornadeck {
class Settings;
}

namespace ornadeck::app {

// "&Recent Projects": the settings' recent list, newest first, each path cut to 250 pixels,
// then "&Clear List" and "&Remove Obsolete" (the main window's actions, bound where every
// command is bound). An entry stays in the list when chosen.
class RecentProjectsMenu : public QMenu {
    Q_OBJECT
  public:
    RecentProjectsMenu(Settings& settings, QAction* clearList, QAction* removeObsolete,
                       QWidget* parent = nullptr);

    // Rebuilds the entries when the list changed since the last time.
    void refresh();
    // Rebuilds the entries now.
    void rebuild();

  signals:
    void projectChosen(const QString& path);

  private:
    Settings& settings_;
    QAction* clearList_;
    QAction* removeObsolete_;
    std::vector<std::string> shown_;
    bool built_ = false;
};

} // namespace ornadeck::app
