#include "KindToolBar.h"

#include "shell/ControlToolbar.h"

#include <QAction>
#include <QIcon>
#include <QToolButton>

namespace ornadeck::app {

namespace {

QString iconFor(std::string_view id) {
    // spbButton -> kind-button.svg
    QString name = QString::fromLatin1(id.data() + 3, static_cast<qsizetype>(id.size() - 3));
    return ":/icons/kind-" + name.toLower() + ".svg";
}

QString kindIconName(std::string_view id) {
    if (id == "spbPop") return ":/icons/kind-poptrigger.svg";
    return iconFor(id);
}

} // namespace

KindToolBar::KindToolBar(QWidget* parent) : QToolBar(tr("Controls"), parent) {
    setObjectName("tbControls");
    for (std::string_view id : kControlToolIds) {
        const QString qid = QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size()));
        QAction* a = addAction(QIcon(kindIconName(id)), QString());
        a->setObjectName(qid);
        a->setCheckable(true);
        actions_[qid] = a;
        widgetForAction(a)->setObjectName(qid + "Button");
    }
    connect(this, &QToolBar::actionTriggered, this, &KindToolBar::onTriggered);
    configure(library_);
}

QAction* KindToolBar::action(const QString& id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void KindToolBar::configure(Library library) {
    library_ = library;
    for (auto& [id, a] : actions_) {
        const ControlToolButton b = controlToolButton(library, id.toStdString());
        const QString hint =
            QString::fromUtf8(b.hint.data(), static_cast<qsizetype>(b.hint.size()));
        a->setText(hint);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        a->setVisible(b.visible);
        if (QWidget* w = widgetForAction(a)) w->setAccessibleName(hint);
    }
}

void KindToolBar::showTool(const std::string& kindTag) {
    for (auto& [id, a] : actions_) {
        const ControlToolButton b = controlToolButton(library_, id.toStdString());
        const bool down = !kindTag.empty() && b.visible && b.kindTag == kindTag;
        if (a->isChecked() != down) a->setChecked(down);
    }
}

void KindToolBar::onTriggered(QAction* action) {
    const ControlToolButton b = controlToolButton(library_, action->objectName().toStdString());
    // A checkable action unchecks itself when clicked while down: that raises it.
    const std::string tag = action->isChecked() ? std::string(b.kindTag) : std::string();
    showTool(tag);
    emit toolChosen(tag);
}

} // namespace ornadeck::app
