#include "dialogs/NewProjectDialog.h"

#include "ui_NewProjectDialog.h"

namespace ornadeck::app {

NewProjectDialog::NewProjectDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::NewProjectDialog>()) {
    ui_->setupUi(this);
}

NewProjectDialog::~NewProjectDialog() = default;

void NewProjectDialog::propose(Library library) {
    ui_->cmbLib->setCurrentIndex(library == Library::CControls ? 0 : 1);
}

Library NewProjectDialog::chosen() const {
    return ui_->cmbLib->currentIndex() == 0 ? Library::CControls : Library::PToolboxLib;
}

std::optional<Library> NewProjectDialog::choose(QWidget* parent, Library proposed) {
    NewProjectDialog dialog(parent);
    dialog.propose(proposed);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

} // namespace ornadeck::app
