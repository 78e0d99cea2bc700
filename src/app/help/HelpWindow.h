#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace ornadeck::app {

// Our own help: HTML pages shipped as resources, with contents and back and forward.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Help contexts: 1 the main window, 4 the inspector, 5 a designer window.
    void showContext(int context);
    void showPage(const QString& page);
    QString currentPage() const;

  private:
    QListWidget* contents_;
    QTextBrowser* browser_;
};

} // namespace ornadeck::app
