#pragma once

#include <QObject>
#include <QTimer>

namespace ornadeck::app {

class AppCore;
class DesignerViews;

// Keeps the recovery file of every designer window with unsaved changes up to date, a few
// seconds after each change, and offers the files a crashed run left at start-up.
class RecoveryKeeper : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 2000;

    RecoveryKeeper(AppCore& core, DesignerViews& views, QObject* parent = nullptr);

    // Offers what an earlier run left; true when forms were recovered.
    bool offer();
    // Writes or removes each window's file as its form stands now.
    void keepNow();
    // The program ends normally: nothing is left to recover.
    void quit();

  private:
    AppCore& core_;
    DesignerViews& views_;
    QTimer timer_;
};

} // namespace ornadeck::app
