#pragma once

#include "model/Ui.h"

#include <QPointer>
#include <QWidget>

namespace ornadeck::app {

// The core's questions answered with real dialogs. Tests hand it a scripted Ui to answer
// instead, so no modal dialog ever blocks an offscreen run.
class QtUi final : public Ui {
  public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // The window the dialogs and messages belong to.
    QWidget* parentWidget() const { return parent_; }
    void setScript(Ui* script) { script_ = script; }

    Answer ask(const Message& message) override;
    bool editItems(std::vector<std::string>& items) override;
    std::optional<std::filesystem::path>
    chooseOpenFile(const std::string& caption, const std::string& filter,
                   const std::string& defaultExtension = "") override;
    std::optional<std::filesystem::path>
    chooseSaveFile(const std::string& caption, const std::string& filter,
                   const std::filesystem::path& suggested) override;
    std::optional<Library> chooseLibrary(Library proposed) override;

  private:
    QPointer<QWidget> parent_;
    Ui* script_ = nullptr;
};

// Paths cross between Qt and the core as UTF-8 text.
QString toQString(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& text);

} // namespace ornadeck::app
