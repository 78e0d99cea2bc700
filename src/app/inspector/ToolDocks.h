#pragma once

#include "model/Workspace.h"

#include <QObject>
#include <array>

class QAction;
class QDockWidget;

namespace ornadeck::app {

class AppCore;
class InspectorDock;
class MainWindow;
class ZoomDock;

// The Properties Editor and the zoom window as docks of the main window, kept in step with
// the workspace both ways: a project that says "shown at Left, Top" shows and places them,
// and whatever the user does to a dock is written back for the next project save. Their
// View menu items check and uncheck with them.
class ToolDocks : public QObject {
    Q_OBJECT
  public:
    ToolDocks(AppCore& core, MainWindow& window);

    InspectorDock& inspector() const { return *inspector_; }
    ZoomDock& zoom() const { return *zoom_; }

    // Brings the docks in line with the workspace and the active form; cheap when nothing
    // changed.
    void refresh();
    // The window is going away: stop following the docks, which are torn down with it.
    void stop() { started_ = false; }
    // The program options, modal.
    void showOptions();

  signals:
    // A form changed through the inspector.
    void edited();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Binding {
        QDockWidget* dock;
        ToolWindowState& state;
        QAction* action;
        // Where the workspace was last told the dock stands.
        ToolWindowState recorded;
        // A dock never placed goes here.
        Qt::DockWidgetArea home;
    };

    void refreshContents();
    void sync(Binding& b);
    void place(Binding& b);
    void record(Binding& b);
    QPoint clientPos(const QDockWidget& dock) const;

    AppCore& core_;
    MainWindow& window_;
    InspectorDock* inspector_;
    ZoomDock* zoom_;
    std::array<Binding, 2> bindings_;
    // Until the first refresh the workspace alone decides: a restored dock layout places
    // the docks but does not show them without a project.
    bool started_ = false;
};

} // namespace ornadeck::app
