#include "dialogs/ExportPictureDialog.h"

#include "AppCore.h"
#include "model/AtomicFile.h"
#include "views/PictureImage.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace ornadeck::app {

ExportPictureDialog::ExportPictureDialog(const QString& proposedPath, int factor, QWidget* parent)
    : QDialog(parent), path_(new QLineEdit(proposedPath, this)), factor_(new QSpinBox(this)),
      device_(new QCheckBox(tr("&Whole device picture"), this)) {
    setObjectName("ExportPictureDialog");
    setWindowTitle(tr("Export Picture"));
    path_->setObjectName("edtPath");
    factor_->setObjectName("spnFactor");
    factor_->setRange(1, 16);
    factor_->setValue(factor);
    factor_->setSuffix(QStringLiteral("x"));
    device_->setObjectName("chkDevice");
    auto* browse = new QPushButton(tr("&Browse..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getSaveFileName(this, tr("Export Picture"),
                                                            path_->text(), tr("PNG (*.png)"));
        if (!chosen.isEmpty()) path_->setText(chosen);
    });
    auto* file = new QHBoxLayout;
    file->addWidget(path_, 1);
    file->addWidget(browse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&File:"), file);
    form->addRow(tr("&Factor:"), factor_);
    form->addRow(QString(), device_);
    form->addRow(buttons);
}

QString ExportPictureDialog::path() const { return path_->text(); }
int ExportPictureDialog::factor() const { return factor_->value(); }
bool ExportPictureDialog::wholeDevice() const { return device_->isChecked(); }

Status writeFormPicture(const AppCore& core, const Form& form, const QString& path, int factor,
                        bool wholeDevice) {
    if (path.isEmpty()) return Status::fail("No file was given for the picture.");
    // The form as it is drawn, without the designer's marks and grid.
    const auto hidden = FormRenderer::Aids::Hidden;
    const Image picture =
        wholeDevice ? core.renderer.designer(form, hidden) : core.renderer.surface(form, hidden);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!toQImage(picture.scaled(factor)).save(&buffer, "PNG"))
        return Status::fail("Cannot encode the picture as PNG.");
    return writeFileAtomically(path.toStdString(), std::string_view(png.constData(), png.size()));
}

} // namespace ornadeck::app
