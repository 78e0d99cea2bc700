#include "checks/ChecksDock.h"

#include "AppCore.h"
#include "check/Checks.h"
#include "check/FindingNavigation.h"
#include "model/IniFile.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QAction>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace ornadeck::app {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QIcon iconOf(const QStyle& style, Severity severity) {
    switch (severity) {
    case Severity::Error:
        return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case Severity::Warning:
        return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case Severity::Note:
        break;
    }
    return style.standardIcon(QStyle::SP_MessageBoxInformation);
}

} // namespace

ChecksDock::ChecksDock(AppCore& core, DesignerViews& views, QWidget* parent)
    : QDockWidget(tr("Checks"), parent), core_(core), views_(views) {
    setObjectName("dockChecks");
    toggleViewAction()->setObjectName("mnuChecksWindow");
    toggleViewAction()->setText(tr("&Checks"));
    toggleViewAction()->setStatusTip(tr("Show or hide the design checks"));
    list_ = new QTreeWidget(this);
    list_->setObjectName("lstChecks");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("Severity"), tr("Form"), tr("Control"), tr("Message"), tr("Check")});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    setWidget(list_);
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &ChecksDock::checkNow);
    connect(list_, &QTreeWidget::itemActivated, this, &ChecksDock::open);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown && stale_) scheduleCheck();
    });
}

void ChecksDock::scheduleCheck() {
    stale_ = true;
    if (isVisible()) pause_.start();
}

void ChecksDock::showAndCheck() {
    show();
    raise();
    checkNow();
}

void ChecksDock::checkNow() {
    pause_.stop();
    IniFile project;
    const Workspace& w = core_.workspace;
    const bool saved = !w.projectPath.empty() && project.load(w.projectPath).ok();
    findings_ = runChecks(subjectOf(w, saved ? &project : nullptr), TextGauge(core_.fonts));
    stale_ = false;
    fill();
}

void ChecksDock::fill() {
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        const Finding& f = findings_[i];
        auto* row = new QTreeWidgetItem({text(severityName(f.severity)), text(f.form),
                                         text(f.control), text(f.message), text(f.checkId)});
        row->setIcon(0, iconOf(*style(), f.severity));
        row->setToolTip(3, text(findingLine(f)));
        row->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
        rows << row;
    }
    list_->addTopLevelItems(rows);
}

void ChecksDock::open(QTreeWidgetItem* item) {
    if (!item) return;
    const auto index = item->data(0, Qt::UserRole).toULongLong();
    if (index >= findings_.size()) return;
    const Finding& f = findings_[index];
    Form* form = formOfFinding(core_.workspace, f);
    DesignerView* view = form ? views_.viewOf(form) : nullptr;
    if (!view) return;
    showFinding(view->editor(), f);
    view->invalidatePicture();
    emit changed();
}

} // namespace ornadeck::app
