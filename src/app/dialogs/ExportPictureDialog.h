#pragma once

#include "model/Status.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace ornadeck {
class Form;
}

namespace ornadeck::app {

class AppCore;

// File > Export Picture: where the PNG goes, at which factor, screen alone or the device.
class ExportPictureDialog : public QDialog {
    Q_OBJECT
  public:
    ExportPictureDialog(const QString& proposedPath, int factor, QWidget* parent = nullptr);

    QString path() const;
    int factor() const;
    bool wholeDevice() const;

  private:
    QLineEdit* path_;
    QSpinBox* factor_;
    QCheckBox* device_;
};

// Writes the form's picture as PNG, the pixels ornadeck-cli render writes of its saved form.
Status writeFormPicture(const AppCore& core, const Form& form, const QString& path, int factor,
                        bool wholeDevice);

} // namespace ornadeck::app
