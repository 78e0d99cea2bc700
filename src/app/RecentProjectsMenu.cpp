#include "RecentProjectsMenu.h"

#include "commands/CommandTable.h"
#include "model/Settings.h"

#include <QFontMetrics>

namespace ornadeck::app {

namespace {

constexpr int kPathWidth = 250;

QString captionOf(std::string_view id) {
    const CommandInfo* c = findCommand(id);
    return QString::fromUtf8(c->caption.data(), static_cast<qsizetype>(c->caption.size()));
}

} // namespace

RecentProjectsMenu::RecentProjectsMenu(Settings& settings, QWidget* parent)
    : QMenu(tr("&Recent Projects"), parent), settings_(settings) {
    setObjectName("mnuRecentProjects");
    refresh();
}

void RecentProjectsMenu::refresh() {
    if (built_ && shown_ == settings_.recent()) return;
    rebuild();
}

void RecentProjectsMenu::rebuild() {
    clear();
    shown_ = settings_.recent();
    built_ = true;
    const QFontMetrics metrics(font());
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const QString path = QString::fromStdString(shown_[i]);
        QString text = metrics.elidedText(path, Qt::ElideMiddle, kPathWidth);
        text.replace(u'&', QStringLiteral("&&"));
        QAction* a = addAction(text);
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        a->setToolTip(path);
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] { emit projectChosen(path); });
    }
    if (!shown_.empty()) addSeparator();
    QAction* clearList = addAction(captionOf("mnuClearRecent"));
    clearList->setObjectName("mnuClearRecent");
    clearList->setEnabled(!shown_.empty());
    connect(clearList, &QAction::triggered, this, [this] {
        settings_.clearRecent();
        rebuild();
    });
    QAction* obsolete = addAction(captionOf("mnuRemoveObsolete"));
    obsolete->setObjectName("mnuRemoveObsolete");
    obsolete->setEnabled(!shown_.empty());
    connect(obsolete, &QAction::triggered, this, [this] {
        settings_.removeObsoleteRecent();
        rebuild();
    });
}

} // namespace ornadeck::app
