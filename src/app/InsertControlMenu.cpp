#include "InsertControlMenu.h"

#include "workbench/ControlToolbar.h"

namespace ornadeck::app {

QString withMnemonic(const QString& text, QString& taken) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i].toLower();
        if (!c.isLetterOrNumber() || taken.contains(c)) continue;
        taken += c;
        return text.left(i) + u'&' + text.mid(i);
    }
    return text;
}

InsertControlMenu::InsertControlMenu(QWidget* parent) : QMenu(tr("&Insert Control"), parent) {
    setObjectName("mnuInsertControl");
    setToolTipsVisible(true);
}

void InsertControlMenu::configure(Library library) {
    clear();
    QString taken;
    for (std::string_view id : kControlToolIds) {
        const ControlToolButton b = controlToolButton(library, id);
        if (!b.visible || b.kindTag.empty()) continue;
        const QString hint =
            QString::fromUtf8(b.hint.data(), static_cast<qsizetype>(b.hint.size()));
        QAction* a = addAction(withMnemonic(hint, taken));
        a->setObjectName("mnuInsert" + QString::fromLatin1(id.data() + 3, id.size() - 3));
        a->setStatusTip(tr("Place a %1 at the first free place of the form").arg(hint));
        connect(a, &QAction::triggered, this,
                [this, tag = std::string(b.kindTag)] { emit kindChosen(tag); });
    }
}

} // namespace ornadeck::app
