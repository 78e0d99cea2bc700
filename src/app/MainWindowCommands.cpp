// What each command does: a core call, then the one refresh path.
#include "AppCore.h"
#include "MainWindow.h"
#include "checks/ChecksDock.h"
#include "designer/ClipboardFormat.h"
#include "designer/DesignerView.h"
#include "designer/DesignerViews.h"
#include "designer/GridMode.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ExportPictureDialog.h"
#include "generate/GenerateDialog.h"
#include "model/Form.h"

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

void MainWindow::connectCommands() {
    ProjectCommands& p = core_.projects;
    on("mnuNewProject", [&p] { p.newProject(); });
    on("mnuSaveProject", [&p] { p.saveProject(); });
    on("mnuSaveProjectAs", [&p] { p.saveProjectAs(); });
    on("mnuFileOpenProject", [&p] { p.openProject(); });
    on("mnuNewForm", [&p] { p.nuevoForm(""); });
    on("mnuFileOpenForm", [&p] { p.openForm(); });
    onDesigner("mnuCloseForm", [](DesignerView& v) { v.designer().close(); });
    onDesigner("mnuSaveForm", [](DesignerView& v) { v.designer().save(false); });
    onDesigner("mnuSaveFormAs", [](DesignerView& v) { v.designer().save(true); });
    on("mnuCloseAll", [&p] { p.closeAll(); });
    connect(command("mnuExit"), &QAction::triggered, this, &QWidget::close);

    connect(command("mnuCut"), &QAction::triggered, this, &MainWindow::cut);
    connect(command("mnuCopy"), &QAction::triggered, this, &MainWindow::copy);
    connect(command("mnuPaste"), &QAction::triggered, this, &MainWindow::paste);

    Workspace& w = core_.workspace;
    on("mnuGrid", [&w] { setGridMode(w, !w.gridMode); });
    on("mnuShortNames", [&w] { w.shortNames = !w.shortNames; });
    on("mnuProjectGenerateCode", [this, &p] {
        if (p.generateCode()) GenerateDialog::run(core_.generate, core_.ui, this);
    });
    on("mnuProjectGenerateCode", [&p] { p.generateCode(); });
    on("mnuCheck", [this] { checks_->showAndCheck(); });
    connect(command("mnuHelpContents"), &QAction::triggered, this, &MainWindow::showHelp);
    connect(command("mnuAbout"), &QAction::triggered, this, [this] {
        AboutDialog about(this);
        about.exec();
    });

    // Each layout command is one undo step, named as its toolbar button.
    LayoutCommands& layout = core_.layout;
    auto step = [this](const char* id, std::function<void(Form&)> command) {
        const std::string label = this->command(id)->toolTip().replace(u'\n', u' ').toStdString();
        onDesigner(id, [label, command](DesignerView& v) {
            v.designer().edit(label, [&] { command(v.form()); });
        });
    };
    auto align = [&](const char* id, AlignCommand c) {
        step(id, [&layout, c](Form& f) { layout.alignOrSize(f, c); });
    };
    align("mnuALeft", AlignCommand::Left);
    align("mnuARight", AlignCommand::Right);
    align("mnuATop", AlignCommand::Top);
    align("mnuABottom", AlignCommand::Bottom);
    align("mnuSWidth", AlignCommand::Width);
    align("mnuSHeight", AlignCommand::Height);
    step("mnuCHoriz", [&layout](Form& f) { layout.center(f, LayoutAxis::Horizontal); });
    step("mnuCVertic", [&layout](Form& f) { layout.center(f, LayoutAxis::Vertical); });
    step("mnuEHoriz", [&layout](Form& f) { layout.space(f, LayoutAxis::Horizontal); });
    step("mnuEVertic", [&layout](Form& f) { layout.space(f, LayoutAxis::Vertical); });
    onDesigner("mnuUndo", [](DesignerView& v) { v.designer().undo(); });
    onDesigner("mnuRedo", [](DesignerView& v) { v.designer().redo(); });
    onDesigner("mnuZoomIn", [](DesignerView& v) { v.setZoom(v.zoom() + 1); });
    onDesigner("mnuZoomOut", [](DesignerView& v) { v.setZoom(v.zoom() - 1); });
    onDesigner("mnuActualSize", [](DesignerView& v) { v.setZoom(1); });
    connect(command("mnuExportPicture"), &QAction::triggered, this, &MainWindow::exportPicture);
    onDesigner("mnuBringtoFront", [](DesignerView& v) { v.designer().bringToFront(); });
    onDesigner("mnuSendtoBack", [](DesignerView& v) { v.designer().sendToBack(); });
    onDesigner("mnuDelete", [](DesignerView& v) { v.designer().deleteSelected(); });
}

void MainWindow::copy() {
    if (!views_->activeView()) return;
    if (auto text = core_.clipboard.copy()) putOnClipboard(*text);
}

void MainWindow::cut() {
    DesignerView* view = views_->activeView();
    if (!view) return;
    if (auto text = core_.clipboard.cut(view->designer())) {
        putOnClipboard(*text);
        view->invalidatePicture();
        refresh();
    }
}

void MainWindow::paste() {
    DesignerView* view = views_->activeView();
    if (!view) return;
    const QMimeData* held = QApplication::clipboard()->mimeData();
    if (!held || !held->hasFormat(kMime)) return;
    if (core_.clipboard.paste(view->designer(), held->data(kMime).toStdString())) {
        view->invalidatePicture();
        refresh();
    }
}

void MainWindow::exportPicture() {
    DesignerView* view = views_->activeView();
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
                if (core_.projects.openRecent(absolute)) core_.settings.addRecent(absolute);
            });
        else
            run([this, absolute] { core_.projects.openFormAt(absolute); });
    }
}

} // namespace ornadeck::app
