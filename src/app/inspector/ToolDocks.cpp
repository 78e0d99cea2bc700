#include "inspector/ToolDocks.h"

#include "AppCore.h"
#include "MainWindow.h"
#include "dialogs/OptionsDialog.h"
#include "inspector/InspectorDock.h"
#include "inspector/ZoomDock.h"
#include "views/DesignerViews.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>

namespace ornadeck::app {

ToolDocks::ToolDocks(AppCore& core, MainWindow& window)
    : QObject(&window), core_(core), window_(window),
      inspector_(new InspectorDock(core, window.views(), &window)),
      zoom_(new ZoomDock(&window)), bindings_{Binding{inspector_,
                                                      core.workspace.inspector,
                                                      window.command(CommandId::PropertiesEditor),
                                                      {},
                                                      Qt::LeftDockWidgetArea},
                                              Binding{zoom_,
                                                      core.workspace.zoom,
                                                      window.command(CommandId::ZoomWindow),
                                                      {},
                                                      Qt::RightDockWidgetArea}} {
    for (Binding& b : bindings_) {
        window.addDockWidget(b.home, b.dock);
        b.dock->hide();
        b.dock->installEventFilter(this);
    }
    connect(inspector_, &InspectorDock::edited, this, &ToolDocks::edited);
}

void ToolDocks::refresh() {
    for (Binding& b : bindings_)
        sync(b);
    started_ = true;
    refreshContents();
}

void ToolDocks::refreshContents() {
    if (!inspector_->isHidden()) inspector_->refresh();
    zoom_->refresh(window_.views().activeView());
}

void ToolDocks::sync(Binding& b) {
    const bool moved = b.state.left != b.recorded.left || b.state.top != b.recorded.top;
    const ToolWindowState wanted = b.state;
    b.recorded = wanted;
    if (wanted.shown && (b.dock->isHidden() || moved)) place(b);
    if (b.dock->isHidden() == wanted.shown) b.dock->setVisible(wanted.shown);
    b.action->setChecked(b.state.shown);
}

void ToolDocks::place(Binding& b) {
    const QPoint at(b.state.left, b.state.top);
    if (b.dock->isFloating()) {
        b.dock->move(window_.mapToGlobal(at + QPoint(0, window_.menuBar()->height())));
        return;
    }
    // Docks fill a side of the main window: the stored place says which side.
    Qt::DockWidgetArea area = b.home;
    if (at != QPoint(0, 0))
        area = at.x() + b.dock->width() / 2 < window_.width() / 2 ? Qt::LeftDockWidgetArea
                                                                  : Qt::RightDockWidgetArea;
    if (window_.dockWidgetArea(b.dock) != area) window_.addDockWidget(area, b.dock);
}

QPoint ToolDocks::clientPos(const QDockWidget& dock) const {
    // The client area starts below the menu bar, as the project file counts.
    return window_.mapFromGlobal(dock.mapToGlobal(QPoint(0, 0))) -
           QPoint(0, window_.menuBar()->height());
}

void ToolDocks::record(Binding& b) {
    b.state.shown = !b.dock->isHidden();
    if (b.state.shown) {
        const QPoint p = clientPos(*b.dock);
        b.state.left = p.x();
        b.state.top = p.y();
    }
    b.recorded = b.state;
    b.action->setChecked(b.state.shown);
}

bool ToolDocks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
        if (!started_) break;
        for (Binding& b : bindings_)
            if (watched == b.dock) record(b);
        if (event->type() == QEvent::Show) refreshContents();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ToolDocks::showOptions() {
    OptionsDialog::run(&window_, core_.settings, core_.settingsFile(), core_.ui);
}

} // namespace ornadeck::app
