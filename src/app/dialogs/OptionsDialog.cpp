#include "dialogs/OptionsDialog.h"

#include "model/Settings.h"
#include "model/Ui.h"
#include "ui_OptionsDialog.h"

#include <QFileDialog>

namespace ornadeck::app {

OptionsDialog::OptionsDialog(const Settings& settings, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::OptionsDialog>()) {
    ui_->setupUi(this);
    setObjectName("TfrmOpcionesGenerales");
    ui_->tabs->setCurrentWidget(ui_->tabDesign);
    (settings.formWhite ? ui_->rbtWhite : ui_->rbtGreen)->setChecked(true);
    ui_->fedCControls->setText(QString::fromStdString(settings.ccontrolsPath));
    connect(ui_->butBrowse, &QToolButton::clicked, this, &OptionsDialog::browse);
}

OptionsDialog::~OptionsDialog() = default;

bool OptionsDialog::white() const { return ui_->rbtWhite->isChecked(); }

QString OptionsDialog::ccontrolsPath() const { return ui_->fedCControls->text(); }

void OptionsDialog::browse() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("Selecct CControls path"), ui_->fedCControls->text(),
                                     QStringLiteral("CControls.c (CControls.c)"));
    if (!chosen.isEmpty()) ui_->fedCControls->setText(chosen);
}

bool OptionsDialog::run(QWidget* parent, Settings& settings, const std::filesystem::path& file,
                        ornadeck::Ui& ui) {
    OptionsDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings.formWhite = dialog.white();
    settings.ccontrolsPath = dialog.ccontrolsPath().toStdString();
    if (Status s = settings.saveOptions(file); !s) {
        ui.showError(s.message());
        return false;
    }
    return true;
}

} // namespace ornadeck::app
