#pragma once

#include <QMenu>
#include <string>
#include <vector>

namespace ornadeck {
class Settings;
}

namespace ornadeck::app {

// "&Recent Projects": the settings' recent list, newest first, each path cut to 250 pixels,
// then "&Clear List" and "&Remove Obsolete". An entry stays in the list when chosen.
class RecentProjectsMenu : public QMenu {
    Q_OBJECT
  public:
    RecentProjectsMenu(Settings& settings, QWidget* parent = nullptr);

    // Rebuilds the entries when the list changed since the last time.
    void refresh();

  signals:
    void projectChosen(const QString& path);

  private:
    void rebuild();

    Settings& settings_;
    std::vector<std::string> shown_;
    bool built_ = false;
};

} // namespace ornadeck::app
