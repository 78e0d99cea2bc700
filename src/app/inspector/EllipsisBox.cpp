#include "inspector/EllipsisBox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace ornadeck::app {

EllipsisBox::EllipsisBox(const QString& text, QWidget* parent)
    : QWidget(parent), text_(new QLineEdit(text, this)), button_(new QToolButton(this)) {
    // The box itself takes the keys; its parts only show and click.
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setFrame(false);
    button_->setText(QStringLiteral("…"));
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setFixedWidth(20);
    button_->setToolTip(tr("Edit (Alt+Down)"));
    button_->setAccessibleName(tr("Edit %1").arg(text));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(text_);
    layout->addWidget(button_);
    setAccessibleName(text);
    connect(button_, &QToolButton::clicked, this, &EllipsisBox::openRequested);
}

void EllipsisBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) {
        emit openRequested();
        return;
    }
    // Up and Down move through the rows; Enter and Escape close the box (the grid sees them
    // first); typing goes nowhere.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        event->ignore();
    else
        event->accept();
}

} // namespace ornadeck::app
