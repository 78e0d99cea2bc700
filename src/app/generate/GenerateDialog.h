#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace Ui {
class GenerateDialog;
}

namespace ornadeck {
class GenerateSession;
}

namespace ornadeck::app {

class QtUi;

// The generate window: binds its widgets to the core's session, which holds every rule.
class GenerateDialog : public QDialog {
    Q_OBJECT
  public:
    GenerateDialog(GenerateSession& session, QWidget* parent = nullptr);
    ~GenerateDialog() override;

    // Refreshes the session from the project and shows the window modally, maximized; the
    // core's messages are parented to it meanwhile.
    static void run(GenerateSession& session, QtUi& ui, QWidget* parent);

  private:
    void buildIconBoxes();
    void buildPanes();
    void connectInputs();
    void bindText(QLineEdit* edit, std::function<void(const std::string&)> set,
                  std::function<std::string()> get);
    // Every widget from the session.
    void showAll();
    void showTarget();
    void showPanes();
    void showCounters(std::size_t pane);
    void showIcon(std::size_t slot);
    void chooseOutput();

    GenerateSession& session_;
    std::unique_ptr<::Ui::GenerateDialog> ui_;
    std::array<QToolButton*, 8> icons_{};
    std::array<QPlainTextEdit*, 4> panes_{};
    std::array<QLabel*, 4> lineCounters_{};
    std::array<QLabel*, 4> charCounters_{};
    // Set while the panes are filled from the session, so that filling is not an edit.
    bool filling_ = false;
};

} // namespace ornadeck::app
