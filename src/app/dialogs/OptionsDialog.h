#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

namespace Ui {
class OptionsDialog;
}

namespace ornadeck {
class Settings;
class Ui;
} // namespace ornadeck

namespace ornadeck::app {

// "Options": the form colour and where CControls.c lives. Only OK writes, and at once.
class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OptionsDialog(const Settings& settings, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    bool white() const;
    QString ccontrolsPath() const;

    // Shows the window modally; on OK the two options go to the settings and the settings
    // file (a failed write is reported). True when they were written.
    static bool run(QWidget* parent, Settings& settings, const std::filesystem::path& file,
                    ornadeck::Ui& ui);

  private:
    void browse();

    std::unique_ptr<::Ui::OptionsDialog> ui_;
};

} // namespace ornadeck::app
