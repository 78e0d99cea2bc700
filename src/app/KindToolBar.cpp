#include "KindToolBar.h"

#include "workbench/ControlToolbar.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <utility>

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
        plainIcons_[a] = a->icon();
        widgetForAction(a)->setObjectName(qid + "Button");
        widgetForAction(a)->installEventFilter(this);
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

void KindToolBar::showTool(const std::string& kindTag, bool locked) {
    QAction* nowLocked = nullptr;
    for (auto& [id, a] : actions_) {
        const ControlToolButton b = controlToolButton(library_, id.toStdString());
        const bool down = !kindTag.empty() && b.visible && b.kindTag == kindTag;
        if (a->isChecked() != down) a->setChecked(down);
        if (down && locked) nowLocked = a;
    }
    if (nowLocked == locked_) return;
    if (locked_) showLock(locked_, false);
    if (nowLocked) showLock(nowLocked, true);
    locked_ = nowLocked;
}

void KindToolBar::showLock(QAction* action, bool locked) {
    const QString hint = action->text();
    action->setToolTip(locked ? tr("%1 (locked: click to release)").arg(hint) : hint);
    if (QWidget* w = widgetForAction(action))
        w->setAccessibleName(locked ? tr("%1, locked").arg(hint) : hint);
    const QIcon& plain = plainIcons_[action];
    if (!locked) {
        action->setIcon(plain);
        return;
    }
    QPixmap marked = plain.pixmap(QSize(32, 32));
    QPainter painter(&marked);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().highlight());
    painter.drawPolygon(QPolygon({QPoint(32, 18), QPoint(32, 32), QPoint(18, 32)}));
    painter.end();
    action->setIcon(QIcon(marked));
}

QAction* KindToolBar::actionOf(QObject* widget) const {
    for (const auto& [id, a] : actions_)
        if (widgetForAction(a) == widget) return a;
    return nullptr;
}

// Pressing a tool and moving the pointer far enough drags a control of its kind onto a form;
// a press that ends where it began stays a plain click.
void KindToolBar::startDrag(QAction* action) {
    auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
    const std::string tag(controlToolButton(library_, action->objectName().toStdString()).kindTag);
    if (!button || tag.empty()) return;
    auto* kind = new QMimeData;
    kind->setData(kKindMime, QByteArray::fromStdString(tag));
    auto* drag = new QDrag(button);
    drag->setMimeData(kind);
    const QPixmap picture = dragPicture_ ? dragPicture_(tag) : QPixmap();
    drag->setPixmap(picture.isNull() ? action->icon().pixmap(24, 24) : picture);
    // The control's top-left corner goes where the pointer drops, as a click places it.
    drag->setHotSpot(QPoint(0, 0));
    drag->exec(Qt::CopyAction);
    // The drag took the release: the button must not stay pressed.
    button->setDown(false);
}

bool KindToolBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pressed_ = mouse->button() == Qt::LeftButton ? actionOf(watched) : nullptr;
        pressedAt_ = mouse->position().toPoint();
        break;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!pressed_ || !(mouse->buttons() & Qt::LeftButton)) break;
        if ((mouse->position().toPoint() - pressedAt_).manhattanLength() <
            QApplication::startDragDistance())
            break;
        QAction* dragged = std::exchange(pressed_, nullptr);
        startDrag(dragged);
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressed_ = nullptr;
        break;
    default:
        break;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            for (auto& [id, a] : actions_)
                if (widgetForAction(a) == watched && a->isChecked()) {
                    emit insertRequested(
                        std::string(controlToolButton(library_, id.toStdString()).kindTag));
                    return true;
                }
    }
    // The second click of a double-click would raise the button it just pressed: it locks
    // the tool instead.
    if (event->type() == QEvent::MouseButtonDblClick)
        for (auto& [id, a] : actions_)
            if (widgetForAction(a) == watched) locking_ = a;
    return QToolBar::eventFilter(watched, event);
}

void KindToolBar::onTriggered(QAction* action) {
    const ControlToolButton b = controlToolButton(library_, action->objectName().toStdString());
    const bool lock = locking_ == action;
    locking_ = nullptr;
    if (lock) action->setChecked(true);
    // A checkable action unchecks itself when clicked while down: that raises it.
    const std::string tag = action->isChecked() ? std::string(b.kindTag) : std::string();
    showTool(tag, lock);
    emit toolChosen(tag, lock);
}

} // namespace ornadeck::app
