#include "MainWindow.h"

#include "AppCore.h"
#include "DiskWatcher.h"
#include "InsertControlMenu.h"
#include "KindToolBar.h"
#include "RecentProjectsMenu.h"
#include "RecoveryKeeper.h"
#include "Resources.h"
#include "ToolbarLayout.h"
#include "checks/ChecksDock.h"
#include "help/HelpWindow.h"
#include "inspector/InspectorDock.h"
#include "inspector/ToolDocks.h"
#include "model/Form.h"
#include "objects/ObjectsDock.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"
#include "views/PictureImage.h"
#include "workbench/ControlToolbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

namespace ornadeck::app {

MainWindow::MainWindow(AppCore& core, QWidget* parent) : QMainWindow(parent), core_(core) {
    loadResources();
    setObjectName("TMainForm");
    setWindowTitle(QString::fromStdString(core_.workspace.caption));
    setWindowIcon(QIcon(":/icons/ornadeck.svg"));
    core_.ui.setParentWidget(this);
    area_ = new QMdiArea(this);
    area_->setObjectName("clientArea");
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(area_);
    views_ = std::make_unique<DesignerViews>(core_, *area_);
    connect(views_.get(), &DesignerViews::changed, this, &MainWindow::refresh);
    connect(views_.get(), &DesignerViews::popupRequested, this, &MainWindow::showPopup);
    recovery_ = new RecoveryKeeper(core_, *views_, this);
    disk_ = new DiskWatcher(core_, *views_, this);
    connect(disk_, &DiskWatcher::checked, this, [this] {
        views_->invalidateAll();
        refresh();
    });
    checks_ = new ChecksDock(core_, *views_, this);
    addDockWidget(Qt::BottomDockWidgetArea, checks_);
    checks_->hide();
    connect(checks_, &ChecksDock::changed, this, &MainWindow::refresh);
    objects_ = new ObjectsDock(core_, *views_, this);
    addDockWidget(Qt::LeftDockWidgetArea, objects_);
    objects_->hide();
    connect(objects_, &ObjectsDock::changed, this, &MainWindow::refresh);
    buildActions();
    buildMenus();
    buildToolBars();
    buildStatusBar();
    buildDocks();
    connectCommands();
}

MainWindow::~MainWindow() {
    // Hiding the docks during teardown must not write into a half-destroyed window.
    if (docks_) docks_->stop();
}

void MainWindow::start() {
    core_.start();
    ToolbarLayout::restore(*this, toolbars_, core_.settings.ini());
    refresh();
    if (recovery_->offer()) refresh();
}

QAction* MainWindow::command(CommandId id) const {
    return actionsById_[static_cast<std::size_t>(id)];
}

QAction* MainWindow::command(const QString& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::enableWhen(CommandId id, std::function<bool()> rule) {
    rules_[static_cast<std::size_t>(id)].enabled = std::move(rule);
}

void MainWindow::checkWhen(CommandId id, std::function<bool()> rule) {
    rules_[static_cast<std::size_t>(id)].checked = std::move(rule);
}

void MainWindow::bind(CommandId id, QObject* context, std::function<void()> slot) {
    ++bindings_[static_cast<std::size_t>(id)];
    connect(command(id), &QAction::triggered, context, [slot = std::move(slot)] { slot(); });
}

QString MainWindow::statusText(int panel) const {
    return panel >= 0 && panel < 2 && panels_[panel] ? panels_[panel]->text() : QString();
}

void MainWindow::buildDocks() {
    docks_ = new ToolDocks(core_, *this);
    // An inspector edit changed the selected object's form: draw it again.
    connect(docks_, &ToolDocks::edited, this, [this] {
        if (DesignerView* view = views_->viewOf(core_.workspace.selected.form))
            view->invalidatePicture();
        refresh();
    });
}

void MainWindow::buildStatusBar() {
    for (int i = 0; i < 2; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(panels_[i]);
    }
    panels_[0]->setFixedWidth(80);
    panels_[0]->setAlignment(Qt::AlignCenter);
    panels_[1]->setMinimumWidth(50);
}

void MainWindow::refresh() {
    const Workspace& w = core_.workspace;
    views_->sync();
    setWindowTitle(QString::fromStdString(w.caption));
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        if (rules_[i].enabled) actionsById_[i]->setEnabled(rules_[i].enabled());
        if (rules_[i].checked) actionsById_[i]->setChecked(rules_[i].checked());
    }
    if (configured_ != w.library) {
        kinds_->configure(w.library);
        insert_->configure(w.library);
        configured_ = w.library;
    }
    const QString library = QString::fromUtf8(libraryStatusText(w.library).data());
    panels_[0]->setText(library);
    panels_[1]->setText(w.shortNames ? tr("Short names") : QString());
    // Screen readers read a label by its name: it says the value, not only what it is.
    panels_[0]->setAccessibleName(tr("Library: ") + library);
    panels_[1]->setAccessibleName(panels_[1]->text());
    insert_->menuAction()->setEnabled(views_->shownActiveView() != nullptr);
    kinds_->showTool(w.tool, w.toolLocked);
    recent_->refresh();
    docks_->refresh();
    objects_->refresh();
    refreshEditing();
    disk_->follow();
}

// Undo and Redo name their step.
void MainWindow::refreshEditing() {
    DesignerView* view = views_->shownActiveView();
    const FormHistory* history = view ? &view->editor().history() : nullptr;
    auto name = [](QAction* a, const QString& verb, bool can, const std::string& label) {
        a->setText(can ? verb + u' ' + QString::fromStdString(label) : verb);
    };
    name(command(CommandId::Undo), tr("&Undo"), history && history->canUndo(),
         history ? history->undoLabel() : std::string());
    name(command(CommandId::Redo), tr("&Redo"), history && history->canRedo(),
         history ? history->redoLabel() : std::string());
    checks_->scheduleCheck();
}

void MainWindow::run(const std::function<void()>& command) {
    command();
    views_->invalidateAll();
    refresh();
}

void MainWindow::on(CommandId id, std::function<void()> command) {
    bind(id, this, [this, command = std::move(command)] { run(command); });
}

void MainWindow::onDesigner(CommandId id, std::function<void(DesignerView&)> command) {
    bind(id, this, [this, command = std::move(command)] {
        DesignerView* view = views_->shownActiveView();
        if (!view) return;
        command(*view);
        view->invalidatePicture();
        refresh();
    });
}

int MainWindow::helpContext() const {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<DesignerView*>(w)) return 5;
        if (w->objectName() == "TfrmProp") return 4;
    }
    return 1;
}

void MainWindow::showHelp() {
    if (!help_) help_ = new HelpWindow(this);
    help_->showContext(helpContext());
}

void MainWindow::showPopup(DesignerView* view, QPoint at) {
    if (!view) return;
    refresh();
    popup_->popup(at);
}

void MainWindow::insertControl(const std::string& kindTag) {
    DesignerView* view = views_->shownActiveView();
    if (!view) return;
    view->editor().insertControl(kindTag);
    view->invalidatePicture();
    refresh();
}

// The control a drag from the toolbar would place, as the active view shows it: every Palm
// pixel the view's whole block of screen pixels.
QPixmap MainWindow::dragPicture(const std::string& kindTag) const {
    const std::unique_ptr<Control> sample = core_.kits.current().engine->sampleOf(kindTag);
    if (!sample) return {};
    DesignerView* view = views_->shownActiveView();
    const int factor = view ? view->mapping().factor() : 2;
    QImage picture = toQImage(core_.renderer.control(*sample).scaled(factor));
    picture.setDevicePixelRatio(view ? view->mapping().devicePixelRatio() : 1.0);
    return QPixmap::fromImage(picture);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) disk_->checkSoon();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!core_.projects.confirmQuit()) {
        event->ignore();
        refresh();
        return;
    }
    ToolbarLayout::save(*this, toolbars_, core_.settings.ini());
    recovery_->quit();
    core_.quit();
    views_->closeAllForGood();
    if (help_) help_->close();
    event->accept();
}

} // namespace ornadeck::app
