#include "RecoveryKeeper.h"

#include "AppCore.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"
#include "workbench/RecoveryOffer.h"

#include <ctime>

namespace ornadeck::app {

RecoveryKeeper::RecoveryKeeper(AppCore& core, DesignerViews& views, QObject* parent)
    : QObject(parent), core_(core), views_(views) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
    timer_.start();
}

bool RecoveryKeeper::offer() {
    return !offerRecovery(core_.recovery, core_.projects, core_.workspace, core_.kits, core_.ui)
                .empty();
}

void RecoveryKeeper::keepNow() {
    const std::time_t now = std::time(nullptr);
    for (DesignerView* view : views_.all()) {
        // A failed write is tried again at the next tick; the user's work goes on meanwhile.
        (void)core_.recovery.keep(view->form(), view->editor().undoStack(), core_.workspace.library,
                                  now);
    }
}

void RecoveryKeeper::quit() {
    timer_.stop();
    core_.recovery.forgetAll();
}

} // namespace ornadeck::app
