#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class ItemsDialog;
}

namespace ornadeck::app {

// "Items editor": a control's items, one per line, with their count.
class ItemsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ItemsDialog(QWidget* parent = nullptr);
    ~ItemsDialog() override;

    void setItems(const std::vector<std::string>& items);
    std::vector<std::string> items() const;

    // Shows the editor modally; true, with `items` replaced, on OK.
    static bool edit(QWidget* parent, std::vector<std::string>& items);

  private:
    void updateCounter();

    std::unique_ptr<::Ui::ItemsDialog> ui_;
};

} // namespace ornadeck::app
