#include "dialogs/AboutDialog.h"

#include "ui_AboutDialog.h"

#include <QIcon>
#include <QPushButton>

namespace ornadeck::app {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::AboutDialog>()) {
    ui_->setupUi(this);
    ui_->imgIcon->setPixmap(QIcon(":/icons/ornadeck.svg").pixmap(64, 64));
    if (QPushButton* ok = ui_->buttons->button(QDialogButtonBox::Ok)) ok->setDefault(true);
}

AboutDialog::~AboutDialog() = default;

} // namespace ornadeck::app
