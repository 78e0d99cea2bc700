#include "views/DesignerViews.h"

#include "AppCore.h"
#include "designer/WindowPlacement.h"
#include "model/Form.h"
#include "views/DesignerSubWindow.h"
#include "views/DesignerView.h"

#include <QIcon>
#include <QMdiArea>

namespace ornadeck::app {

DesignerViews::DesignerViews(AppCore& core, QMdiArea& area) : core_(core), area_(area) {
    core_.workspace.formClosing = [this](Form& form) { forget(form); };
    connect(&area_, &QMdiArea::subWindowActivated, this, &DesignerViews::onActivated);
}

DesignerViews::~DesignerViews() { core_.workspace.formClosing = nullptr; }

void DesignerViews::create(Form& form) {
    auto* view = new DesignerView(core_, form);
    auto* window = new DesignerSubWindow(view);
    window->setObjectName(QString::fromStdString("designer:" + form.name()));
    window->setWindowIcon(QIcon(":/icons/new-form.svg"));
    // New windows appear right of the inspector and below the top edge, as the core places.
    if (form.windowLeft() == 0 && form.windowTop() == 0) {
        placeNewDesignerWindow(form, core_.workspace, {});
        showDesignerWindow(form, core_.workspace, {});
    }
    area_.addSubWindow(window);
    // Forms stored at one place would hide each other: step each one down and right.
    QPoint at(form.windowLeft(), form.windowTop());
    auto taken = [&](QPoint p) {
        for (const auto& [other, w] : windows_)
            if (w->pos() == p) return true;
        return false;
    };
    while (taken(at))
        at += QPoint(24, 24);
    window->move(at);
    windows_[&form] = window;
    view->setZoom(storedZoom(form));
    connect(view, &DesignerView::zoomChanged, this, [this, window, &form](int zoom) {
        window->fitToView();
        storeZoom(form, zoom);
    });
    connect(view, &DesignerView::changed, this, &DesignerViews::changed);
    connect(view, &DesignerView::popupRequested, this,
            [this, view](QPoint where) { emit popupRequested(view, where); });
    connect(window, &DesignerSubWindow::closeRequested, this, &DesignerViews::onCloseRequested);
    connect(window, &DesignerSubWindow::moved, this, [this, &form](DesignerSubWindow* w) {
        if (!syncing_) form.setWindowPosition(w->x(), w->y());
    });
}

// Each form file's zoom is kept in options.ini under its file name; a name no INI key can
// carry is simply not kept.
std::optional<std::string> DesignerViews::zoomKey(const Form& form) {
    const std::string name = form.filePath().filename().string();
    if (name.empty() || name.find_first_of("=[];\r\n") != std::string::npos) return std::nullopt;
    return name;
}

int DesignerViews::storedZoom(const Form& form) const {
    const auto key = zoomKey(form);
    return key ? core_.settings.ini().readInt(kZoomSection, *key, 2) : 2;
}

void DesignerViews::storeZoom(const Form& form, int zoom) {
    if (const auto key = zoomKey(form)) core_.settings.ini().writeInt(kZoomSection, *key, zoom);
}

void DesignerViews::forget(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    DesignerSubWindow* window = it->second;
    windows_.erase(it);
    core_.recovery.forget(window->view()->editor().undoStack());
    const bool wasSyncing = syncing_;
    syncing_ = true;
    window->closeForGood();
    area_.removeSubWindow(window);
    delete window; // the view and its core designer window go with it, while the form lives
    syncing_ = wasSyncing;
}

void DesignerViews::sync() {
    const bool wasSyncing = syncing_;
    syncing_ = true;
    for (const auto& owned : core_.workspace.forms) {
        Form& form = *owned;
        if (!windows_.contains(&form)) create(form);
        DesignerSubWindow* window = windows_.at(&form);
        window->setWindowTitle(QString::fromStdString(form.caption()) + "[*]");
        window->setWindowModified(window->view()->editor().modified());
        if (form.visible() != window->isVisible()) {
            if (form.visible()) designerWindowShown(core_.workspace);
            window->setVisible(form.visible());
            // The frame's size is known only once it is shown in the area.
            if (form.visible()) window->fitToView();
        }
    }
    if (DesignerView* active = activeView()) {
        auto* window = windows_.at(&active->form());
        if (area_.activeSubWindow() != window && window->isVisible()) {
            area_.setActiveSubWindow(window);
            active->setFocus();
        }
    }
    syncing_ = wasSyncing;
}

DesignerView* DesignerViews::viewOf(const Form* form) const {
    auto it = windows_.find(form);
    return it == windows_.end() ? nullptr : it->second->view();
}

DesignerView* DesignerViews::activeView() const { return viewOf(core_.workspace.activeForm); }

DesignerView* DesignerViews::shownActiveView() const {
    const Form* form = core_.workspace.activeForm;
    return form && form->visible() ? viewOf(form) : nullptr;
}

std::vector<DesignerView*> DesignerViews::all() const {
    std::vector<DesignerView*> out;
    for (const auto& [form, window] : windows_)
        out.push_back(window->view());
    return out;
}

void DesignerViews::invalidateAll() {
    for (auto& [form, window] : windows_)
        window->view()->invalidatePicture();
}

void DesignerViews::closeAllForGood() {
    while (!windows_.empty())
        forget(windows_.begin()->second->view()->form());
}

void DesignerViews::onActivated(QMdiSubWindow* window) {
    if (syncing_ || !window) return;
    auto* designer = qobject_cast<DesignerSubWindow*>(window);
    if (!designer) return;
    if (core_.workspace.activeForm == &designer->view()->form()) return;
    designer->view()->editor().activate();
    emit changed();
}

void DesignerViews::onCloseRequested(DesignerSubWindow* window) {
    // Closing acts on that window's form; the core asks about saving.
    window->view()->editor().close();
    window->view()->invalidatePicture();
    emit changed();
}

} // namespace ornadeck::app
