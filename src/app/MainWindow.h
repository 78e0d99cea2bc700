#pragma once

#include "commands/CommandTable.h"
#include "model/Library.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QLabel;
class QMdiArea;
class QMenu;

namespace ornadeck::app {

class AppCore;
class ChecksDock;
class ObjectsDock;
class DesignerView;
class DesignerViews;
class DiskWatcher;
class InsertControlMenu;
class HelpWindow;
class KindToolBar;
class RecentProjectsMenu;
class ToolDocks;
class RecoveryKeeper;

// The program's frame: menus, toolbars and status bar built from the command table, the
// designer windows in an MDI area. It routes each command to the core and then redraws
// from what the core holds; it keeps no design state of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(AppCore& core, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What follows creation: settings, fonts, toolbars and the recent list, in that order.
    void start();
    // Opens projects and forms named on the command line.
    void openPaths(const QStringList& paths);

    QAction* command(CommandId id) const;
    // By the action's object name ("mnuUndo"); null for an unknown name.
    QAction* command(const QString& name) const;
    // Makes `slot` what the command does. Every command is bound here and only once, so the
    // count tells a test of a command bound twice or never.
    void bind(CommandId id, QObject* context, std::function<void()> slot);
    // When the command can be used, and when it shows checked; read at every refresh.
    void enableWhen(CommandId id, std::function<bool()> rule);
    void checkWhen(CommandId id, std::function<bool()> rule);
    int bindingCount(CommandId id) const { return bindings_[static_cast<std::size_t>(id)]; }
    KindToolBar& kindToolBar() const { return *kinds_; }
    DesignerViews& views() const { return *views_; }
    QMdiArea& area() const { return *area_; }
    QString statusText(int panel) const;
    HelpWindow* helpWindow() const { return help_; }
    QMenu& popupMenu() const { return *popup_; }
    ToolDocks& docks() const { return *docks_; }
    RecoveryKeeper& recovery() const { return *recovery_; }
    ChecksDock& checks() const { return *checks_; }
    ObjectsDock& objects() const { return *objects_; }
    // What a drag of a control tool shows: a control of the kind at the active view's zoom.
    QPixmap dragPicture(const std::string& kindTag) const;
    DiskWatcher& diskWatcher() const { return *disk_; }

    // Brings every view, caption, state and enabled flag in line with the core.
    void refresh();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the program is when files changed elsewhere are looked at.
    void changeEvent(QEvent* event) override;

  private:
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void connectCommands();
    void buildDocks();
    void on(CommandId id, std::function<void()> command);
    // Runs a command that may change any form, then redraws.
    void run(const std::function<void()>& command);
    // Runs a command on the active designer window; nothing while none is shown.
    void onDesigner(CommandId id, std::function<void(DesignerView&)> command);

    // Places a control of the kind on the shown form without the pointer.
    void insertControl(const std::string& kindTag);
    void cut();
    void copy();
    void paste();
    void exportPicture();
    void refreshEditing();
    void showHelp();
    void showPopup(DesignerView* view, QPoint at);
    int helpContext() const;

    AppCore& core_;
    QMdiArea* area_ = nullptr;
    std::unique_ptr<DesignerViews> views_;
    std::map<QString, QAction*> actions_;
    std::array<QAction*, kCommandCount> actionsById_{};
    std::array<int, kCommandCount> bindings_{};
    struct CommandRule {
        std::function<bool()> enabled;
        std::function<bool()> checked;
    };
    std::array<CommandRule, kCommandCount> rules_{};
    KindToolBar* kinds_ = nullptr;
    QList<class QToolBar*> toolbars_;
    RecentProjectsMenu* recent_ = nullptr;
    QLabel* panels_[2] = {nullptr, nullptr};
    QMenu* popup_ = nullptr;
    HelpWindow* help_ = nullptr;
    ToolDocks* docks_ = nullptr;
    ChecksDock* checks_ = nullptr;
    ObjectsDock* objects_ = nullptr;
    std::optional<Library> configured_;
    RecoveryKeeper* recovery_ = nullptr;
    DiskWatcher* disk_ = nullptr;
    InsertControlMenu* insert_ = nullptr;
};

} // namespace ornadeck::app
