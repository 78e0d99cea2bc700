#include "dialogs/ItemsDialog.h"

#include "ui_ItemsDialog.h"
#include "workbench/ItemsText.h"

namespace ornadeck::app {

ItemsDialog::ItemsDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::ItemsDialog>()) {
    ui_->setupUi(this);
    connect(ui_->memItems, &QPlainTextEdit::textChanged, this, &ItemsDialog::updateCounter);
}

ItemsDialog::~ItemsDialog() = default;

void ItemsDialog::setItems(const std::vector<std::string>& items) {
    ui_->memItems->setPlainText(QString::fromStdString(textFromItems(items)));
    updateCounter();
}

std::vector<std::string> ItemsDialog::items() const {
    return itemsFromText(ui_->memItems->toPlainText().toStdString());
}

void ItemsDialog::updateCounter() {
    ui_->lblLineas->setText(QString::fromStdString(itemsCounterText(items().size())));
}

bool ItemsDialog::edit(QWidget* parent, std::vector<std::string>& items) {
    ItemsDialog dialog(parent);
    dialog.setItems(items);
    if (dialog.exec() != QDialog::Accepted) return false;
    items = dialog.items();
    return true;
}

} // namespace ornadeck::app
