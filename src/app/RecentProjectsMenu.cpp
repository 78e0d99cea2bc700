#include "RecentProjectsMenu.h"

#include "model/Settings.h"

#include <QFontMetrics>

namespace ornadeck::app {

namespace {

constexpr int kPathWidth = 250;

} // namespace

RecentProjectsMenu::RecentProjectsMenu(Settings& settings, QAction* clearList,
                                       QAction* removeObsolete, QWidget* parent)
    : QMenu(tr("&Recent Projects"), parent), settings_(settings), clearList_(clearList),
      removeObsolete_(removeObsolete) {
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
    // The two commands' actions belong to the main window: clear() leaves them alive.
    for (QAction* command : {clearList_, removeObsolete_}) {
        command->setEnabled(!shown_.empty());
        addAction(command);
    }
}

} // namespace ornadeck::app
