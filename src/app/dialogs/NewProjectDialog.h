#pragma once

#include "model/Library.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class NewProjectDialog;
}

namespace ornadeck::app {

// "New project": which library the new project targets.
class NewProjectDialog : public QDialog {
    Q_OBJECT
  public:
    explicit NewProjectDialog(QWidget* parent = nullptr);
    ~NewProjectDialog() override;

    void propose(Library library);
    Library chosen() const;

    // Shows the window modally; nothing for Cancel.
    static std::optional<Library> choose(QWidget* parent, Library proposed);

  private:
    std::unique_ptr<::Ui::NewProjectDialog> ui_;
};

} // namespace ornadeck::app
