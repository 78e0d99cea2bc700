// Menus, toolbars and the popup, all built from the command table.
#include "AppCore.h"
#include "InsertControlMenu.h"
#include "KindToolBar.h"
#include "MainWindow.h"
#include "RecentProjectsMenu.h"
#include "checks/ChecksDock.h"
#include "commands/CommandText.h"
#include "objects/ObjectsDock.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <map>

namespace ornadeck::app {

namespace {

// A toolbar button is named after its command ("mnuCut" -> "spbCut"), but for these.
QString buttonName(const QString& commandId) {
    static const std::map<QString, QString> exceptions{{"mnuFileOpenProject", "spbOpenProject"},
                                                       {"mnuFileOpenForm", "spbOpenForm"},
                                                       {"mnuProjectGenerateCode", "spbGenerate"},
                                                       {"mnuARight", "spbAright"},
                                                       {"mnuCVertic", "spbCVerti"}};
    const auto it = exceptions.find(commandId);
    return it != exceptions.end() ? it->second : "spb" + commandId.mid(3);
}

} // namespace

void MainWindow::buildActions() {
    for (const CommandInfo& info : commandTable()) {
        auto* a = new QAction(qText(info.caption), this);
        a->setObjectName(qText(info.name));
        if (!info.shortcut.empty()) {
            QList<QKeySequence> keys;
            for (const QString& k : qText(info.shortcut).split(u';'))
                keys << QKeySequence(k, QKeySequence::PortableText);
            a->setShortcuts(keys);
        }
        a->setStatusTip(qText(info.hint));
        a->setToolTip(info.tip.empty() ? qText(info.hint) : qText(info.tip));
        if (!info.icon.empty()) a->setIcon(QIcon(":/icons/" + qText(info.icon)));
        a->setCheckable(info.checkable);
        actions_[a->objectName()] = a;
        actionsById_[static_cast<std::size_t>(info.id)] = a;
    }
    // The popup's commands act on the designer that has the focus; Delete must not fire
    // while the user types elsewhere, so its key is the designer view's own.
    command(CommandId::Delete)->setShortcutContext(Qt::WidgetShortcut);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const QString& title, const char* name, const char* hint) {
        QMenu* m = bar->addMenu(title);
        m->setObjectName(name);
        m->menuAction()->setStatusTip(tr(hint));
        m->setToolTipsVisible(true);
        return m;
    };
    using enum CommandId;
    auto add = [&](QMenu* m, std::initializer_list<CommandId> ids) {
        for (CommandId id : ids) {
            if (id == Separator)
                m->addSeparator();
            else
                m->addAction(command(id));
        }
    };
    QMenu* file = addMenu(tr("&File"), "mnuFile", "File related commands");
    add(file, {NewProject, SaveProject, SaveProjectAs, OpenProject, Separator});
    recent_ = new RecentProjectsMenu(core_.settings, command(ClearRecent),
                                     command(RemoveObsoleteRecent), this);
    file->addMenu(recent_);
    connect(recent_, &RecentProjectsMenu::projectChosen, this, [this](const QString& path) {
        run([this, path] { core_.projects.openProjectFile(path.toStdString()); });
    });
    add(file, {NewForm, OpenForm, CloseForm, SaveForm, SaveFormAs, CloseAll, Separator,
               ExportPicture, Separator, Exit});
    QMenu* edit = addMenu(tr("&Edit"), "mnuEdit", "Edit commands");
    add(edit, {Undo, Redo, Separator, Cut, Copy, Paste, Separator});
    insert_ = new InsertControlMenu(this);
    edit->addMenu(insert_);
    connect(insert_, &InsertControlMenu::kindChosen, this, &MainWindow::insertControl);
    QMenu* view = addMenu(tr("&View"), "mnuView", "Windows and the grid");
    add(view, {ZoomWindow, PropertiesEditor});
    view->addAction(checks_->toggleViewAction());
    view->addAction(objects_->toggleViewAction());
    add(view, {Separator, ZoomIn, ZoomOut, ActualSize, Separator, Grid});
    add(addMenu(tr("&Project"), "mnuProject", "Project commands"),
        {GenerateCode, Preview, Check, Separator, ShortNames});
    QMenu* tools = addMenu(tr("&Tools"), "mnuTools", "Tools");
    add(tools, {Options});
    tools->menuAction()->setVisible(false);
    add(addMenu(tr("&Help"), "mnuHelp", "Help topics"), {HelpContents, Separator, About});

    popup_ = new QMenu(this);
    popup_->setObjectName("popMenu");
    for (CommandId id : popupMenuItems()) {
        if (id == Separator)
            popup_->addSeparator();
        else
            popup_->addAction(command(id));
    }
}

void MainWindow::buildToolBars() {
    for (const ToolBarInfo& info : toolBarTable()) {
        QToolBar* tb = nullptr;
        if (info.name == "tbControls") {
            kinds_ = new KindToolBar(this);
            tb = kinds_;
            connect(kinds_, &KindToolBar::toolChosen, this,
                    [this](const std::string& tag, bool locked) {
                        core_.workspace.chooseTool(tag, locked);
                    });
            // As a click with the button down: an unlocked tool is raised after placing.
            connect(kinds_, &KindToolBar::insertRequested, this, [this](const std::string& tag) {
                insertControl(tag);
                if (!core_.workspace.toolLocked) core_.workspace.chooseTool({}, false);
                refresh();
            });
            kinds_->setDragPicture([this](const std::string& tag) { return dragPicture(tag); });
        } else {
            tb = new QToolBar(qText(info.caption), this);
            tb->setObjectName(qText(info.name));
            for (CommandId id : info.items) {
                if (id == CommandId::Separator) {
                    tb->addSeparator();
                    continue;
                }
                QAction* a = command(id);
                tb->addAction(a);
                // Screen readers read toolbar buttons by these names.
                QWidget* button = tb->widgetForAction(a);
                button->setObjectName(buttonName(a->objectName()));
                button->setAccessibleName(a->toolTip().replace(u'\n', u' '));
            }
        }
        tb->setWindowTitle(qText(info.caption));
        tb->setProperty("defaultRow", info.row);
        tb->setIconSize(QSize(16, 16));
        // A toolbar without a close button cannot be hidden from the toolbar menu either.
        if (!info.closable) tb->toggleViewAction()->setEnabled(false);
        toolbars_ << tb;
    }
}

} // namespace ornadeck::app
