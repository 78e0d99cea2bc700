#pragma once

#include "workbench/OutsideChanges.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace ornadeck::app {

class AppCore;
class DesignerViews;

// Tells the core when the files it has open may have changed on disk: on the system's word
// that one was written, and whenever the main window is activated. A burst of writes (a git
// checkout) settles first, so it makes one look.
class DiskWatcher : public QObject {
    Q_OBJECT
  public:
    static constexpr int kSettleMs = 300;

    DiskWatcher(AppCore& core, DesignerViews& views, QObject* parent = nullptr);

    // Watches the files the core has open now; cheap when they are the ones watched already.
    void follow();
    // A look soon, once writes have settled and no dialog is open.
    void checkSoon();
    // Looks at every open file now, asking about each change.
    void checkNow();

  signals:
    // A look ended: forms may have been read again, opened or closed.
    void checked();

  private:
    OutsideChanges outside_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

} // namespace ornadeck::app
