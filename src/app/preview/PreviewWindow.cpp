#include "preview/PreviewWindow.h"

#include "AppCore.h"
#include "preview/HandheldView.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ornadeck::app {

PreviewWindow* PreviewWindow::open(AppCore& core, DesignerViews& views, QWidget* parent) {
    DesignerView* view = views.shownActiveView();
    auto* window = new PreviewWindow(core, view ? view->zoom() : 2, parent);
    window->show();
    window->handheld_->setFocus();
    return window;
}

PreviewWindow::PreviewWindow(AppCore& core, int zoom, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(std::make_unique<PreviewSession>(core.workspace, core.kits,
                                                PreviewSession::firstFormOf(core.workspace))),
      renderer_(core.renderer), status_(new QLabel) {
    setObjectName("frmPreview");
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(tr("Preview"));
    handheld_ = new HandheldView(*session_, renderer_, zoom, this);
    status_->setObjectName("lblPreviewStatus");
    status_->setAccessibleName(tr("What the last tap runs"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(handheld_);
    layout->addWidget(status_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(handheld_, &HandheldView::changed, this, &PreviewWindow::follow);
    follow();
}

void PreviewWindow::follow() {
    if (session_->ended()) {
        close();
        return;
    }
    setWindowTitle(QString::fromStdString(session_->caption()));
    const std::string& handler = session_->status();
    status_->setText(handler.empty()
                         ? QString()
                         : tr("The program runs %1 here.").arg(QString::fromStdString(handler)));
}

} // namespace ornadeck::app
