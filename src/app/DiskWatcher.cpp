#include "DiskWatcher.h"

#include "AppCore.h"
#include "QtUi.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QApplication>
#include <QFileInfo>
#include <QSet>

namespace ornadeck::app {

DiskWatcher::DiskWatcher(AppCore& core, DesignerViews& views, QObject* parent)
    : QObject(parent), outside_(core.workspace, core.ui, core.projects, [&views](Form& form) {
          DesignerView* view = views.viewOf(&form);
          return view ? &view->editor() : nullptr;
      }) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &DiskWatcher::checkNow);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DiskWatcher::checkSoon);
}

void DiskWatcher::follow() {
    QSet<QString> wanted;
    for (const auto& path : outside_.watchedFiles())
        wanted.insert(toQString(path));
    const QStringList watched = watcher_.files();
    // A file replaced by a rename (every atomic save, ours too) drops out of the watch.
    if (QSet<QString>(watched.begin(), watched.end()) == wanted) return;
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    for (const QString& path : wanted)
        if (QFileInfo::exists(path)) watcher_.addPath(path);
}

void DiskWatcher::checkSoon() { settle_.start(); }

void DiskWatcher::checkNow() {
    // Never in the middle of a command's own questions: a reload there would pull the form
    // from under the command.
    if (QApplication::activeModalWidget()) {
        settle_.start();
        return;
    }
    outside_.check();
    emit checked();
}

} // namespace ornadeck::app
