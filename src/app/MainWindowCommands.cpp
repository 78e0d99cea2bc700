// What each command does: a core call, then the one refresh path.
#include "AppCore.h"
#include "MainWindow.h"
#include "RecentProjectsMenu.h"
#include "checks/ChecksDock.h"
#include "designer/ClipboardFormat.h"
#include "designer/GridMode.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ExportPictureDialog.h"
#include "generate/GenerateDialog.h"
#include "inspector/ToolDocks.h"
#include "model/Form.h"
#include "preview/PreviewWindow.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>

namespace ornadeck::app {

namespace {

const QString kMime =
    QString::fromLatin1(kControlMimeType.data(), static_cast<qsizetype>(kControlMimeType.size()));

void putOnClipboard(const std::string& text) {
    auto* data = new QMimeData;
    data->setData(kMime, QByteArray::fromStdString(text));
    // The same text as plain text, so it can be pasted into a bug report.
    data->setText(QString::fromStdString(text));
    QApplication::clipboard()->setMimeData(data);
}

} // namespace

// Every command is bound here, its enabling rule beside it.
void MainWindow::connectCommands() {
    using enum CommandId;
    ProjectCommands& p = core_.projects;
    Workspace& w = core_.workspace;
    // A closed form stays the active one until another is activated, but is no longer on
    // screen: commands on "the current form" must not reach it.
    auto shown = [this] { return views_->shownActiveView(); };
    auto formShown = [shown] { return shown() != nullptr; };
    auto controlShown = [shown, &w] { return shown() && w.selected.control != nullptr; };
    auto history = [shown]() -> const FormHistory* {
        DesignerView* view = shown();
        return view ? &view->editor().history() : nullptr;
    };

    on(NewProject, [&p] { p.newProject(); });
    on(SaveProject, [&p] { p.saveProject(); });
    on(SaveProjectAs, [&p] { p.saveProjectAs(); });
    on(OpenProject, [&p] { p.openProject(); });
    on(NewForm, [&p] { p.createForm(); });
    on(OpenForm, [&p] { p.openForm(); });
    onDesigner(CloseForm, [](DesignerView& v) { v.editor().close(); });
    onDesigner(SaveForm, [](DesignerView& v) { v.editor().save(false); });
    onDesigner(SaveFormAs, [](DesignerView& v) { v.editor().save(true); });
    enableWhen(CloseForm, formShown);
    // Nothing of a project opened read-only may be saved.
    for (CommandId id : {SaveForm, SaveFormAs})
        enableWhen(id, [formShown, &w] { return formShown() && !w.readOnly; });
    for (CommandId id : {SaveProject, SaveProjectAs})
        enableWhen(id, [&w] { return !w.readOnly; });
    on(CloseAll, [&p] { p.closeAll(); });
    bind(Exit, this, [this] { close(); });
    bind(ClearRecent, this, [this] {
        core_.settings.clearRecent();
        recent_->rebuild();
    });
    bind(RemoveObsoleteRecent, this, [this] {
        core_.settings.removeObsoleteRecent();
        recent_->rebuild();
    });

    bind(Cut, this, [this] { cut(); });
    enableWhen(Cut, controlShown);
    bind(Copy, this, [this] { copy(); });
    enableWhen(Copy, controlShown);
    bind(Paste, this, [this] { paste(); });
    enableWhen(Paste, formShown);

    on(ZoomWindow, [this, &w] { w.zoom.shown = command(ZoomWindow)->isChecked(); });
    on(PropertiesEditor,
       [this, &w] { w.inspector.shown = command(PropertiesEditor)->isChecked(); });
    bind(Options, this, [this] { docks_->showOptions(); });
    on(Grid, [&w] { setGridMode(w, !w.gridMode); });
    checkWhen(Grid, [&w] { return w.gridMode; });
    on(ShortNames, [&w] { w.shortNames = !w.shortNames; });
    checkWhen(ShortNames, [&w] { return w.shortNames; });
    on(GenerateCode, [this, &p] {
        if (p.generateCode()) GenerateDialog::run(core_.generate, core_.ui, this);
    });
    enableWhen(GenerateCode, [&w] { return w.generateEnabled; });
    bind(Preview, this, [this] { PreviewWindow::open(core_, *views_, this); });
    // Forms alone, without a project, can be tried too.
    enableWhen(Preview, [this] { return views_->shownActiveView() != nullptr; });
    on(Check, [this] { checks_->showAndCheck(); });
    bind(HelpContents, this, [this] { showHelp(); });
    bind(About, this, [this] {
        AboutDialog about(this);
        about.exec();
    });

    // Each layout command is one undo step, named as its toolbar button.
    LayoutCommands& layout = core_.layout;
    auto step = [this](CommandId id, std::function<void(Form&)> command) {
        const std::string label = this->command(id)->toolTip().replace(u'\n', u' ').toStdString();
        onDesigner(id, [label, command](DesignerView& v) {
            v.editor().edit(label, [&] { command(v.form()); });
        });
    };
    auto align = [&](CommandId id, AlignCommand c) {
        step(id, [&layout, c](Form& f) { layout.alignOrSize(f, c); });
    };
    align(AlignLeft, AlignCommand::Left);
    align(AlignRight, AlignCommand::Right);
    align(AlignTop, AlignCommand::Top);
    align(AlignBottom, AlignCommand::Bottom);
    align(SameWidth, AlignCommand::Width);
    align(SameHeight, AlignCommand::Height);
    step(CenterHorizontally, [&layout](Form& f) { layout.center(f, LayoutAxis::Horizontal); });
    step(CenterVertically, [&layout](Form& f) { layout.center(f, LayoutAxis::Vertical); });
    step(SpaceHorizontally, [&layout](Form& f) { layout.space(f, LayoutAxis::Horizontal); });
    step(SpaceVertically, [&layout](Form& f) { layout.space(f, LayoutAxis::Vertical); });
    onDesigner(Undo, [](DesignerView& v) { v.editor().undo(); });
    enableWhen(Undo, [history] { return history() && history()->canUndo(); });
    onDesigner(Redo, [](DesignerView& v) { v.editor().redo(); });
    enableWhen(Redo, [history] { return history() && history()->canRedo(); });
    onDesigner(ZoomIn, [](DesignerView& v) { v.setZoom(v.zoom() + 1); });
    enableWhen(ZoomIn, [shown] { return shown() && shown()->zoom() < DesignerView::kMaxZoom; });
    onDesigner(ZoomOut, [](DesignerView& v) { v.setZoom(v.zoom() - 1); });
    enableWhen(ZoomOut, [shown] { return shown() && shown()->zoom() > 1; });
    onDesigner(ActualSize, [](DesignerView& v) { v.setZoom(1); });
    enableWhen(ActualSize, [shown] { return shown() && shown()->zoom() != 1; });
    bind(ExportPicture, this, [this] { exportPicture(); });
    enableWhen(ExportPicture, formShown);
    onDesigner(BringToFront, [](DesignerView& v) { v.editor().bringToFront(); });
    onDesigner(SendToBack, [](DesignerView& v) { v.editor().sendToBack(); });
    onDesigner(Delete, [](DesignerView& v) { v.editor().deleteSelected(); });
}

void MainWindow::copy() {
    if (!views_->shownActiveView()) return;
    if (auto text = core_.clipboard.copy()) putOnClipboard(*text);
}

void MainWindow::cut() {
    DesignerView* view = views_->shownActiveView();
    if (!view) return;
    if (auto text = core_.clipboard.cut(view->editor())) {
        putOnClipboard(*text);
        view->invalidatePicture();
        refresh();
    }
}

void MainWindow::paste() {
    DesignerView* view = views_->shownActiveView();
    if (!view) return;
    const QMimeData* held = QApplication::clipboard()->mimeData();
    if (!held || !held->hasFormat(kMime)) return;
    if (core_.clipboard.paste(view->editor(), held->data(kMime).toStdString())) {
        view->invalidatePicture();
        refresh();
    }
}

void MainWindow::exportPicture() {
    DesignerView* view = views_->shownActiveView();
    if (!view) return;
    std::filesystem::path proposed = view->form().filePath();
    if (proposed.empty()) proposed = view->form().name();
    proposed.replace_extension(".png");
    ExportPictureDialog dialog(QString::fromStdString(proposed.string()), view->zoom(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const Status s =
        writeFormPicture(core_, view->form(), dialog.path(), dialog.factor(), dialog.wholeDevice());
    if (!s) core_.ui.showError(s.message());
}

void MainWindow::openPaths(const QStringList& paths) {
    for (const QString& path : paths) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        const std::string absolute = QFileInfo(path).absoluteFilePath().toStdString();
        if (suffix == "ozp")
            run([this, absolute] {
                if (core_.projects.openProjectFile(absolute)) core_.settings.addRecent(absolute);
            });
        else
            run([this, absolute] { core_.projects.openFormAt(absolute); });
    }
}

} // namespace ornadeck::app
