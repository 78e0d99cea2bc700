#include "views/DesignerSubWindow.h"

#include "views/DesignerView.h"

#include <QCloseEvent>
#include <QLayout>

namespace ornadeck::app {

DesignerSubWindow::DesignerSubWindow(DesignerView* view, QWidget* parent)
    : QMdiSubWindow(parent), view_(view) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    // The frame follows the view's fixed size, whatever the style's title bar measures.
    if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void DesignerSubWindow::closeForGood() {
    forGood_ = true;
    close();
}

void DesignerSubWindow::fitToView() { adjustSize(); }

void DesignerSubWindow::closeEvent(QCloseEvent* event) {
    if (forGood_) {
        event->accept();
        return;
    }
    // The core decides: it asks about saving and hides the form's window or keeps it.
    event->ignore();
    emit closeRequested(this);
}

void DesignerSubWindow::moveEvent(QMoveEvent* event) {
    QMdiSubWindow::moveEvent(event);
    emit moved(this);
}

} // namespace ornadeck::app
