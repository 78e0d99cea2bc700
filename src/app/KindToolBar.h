#pragma once

#include "model/Library.h"

#include <QPixmap>
#include <QPoint>
#include <QToolBar>
#include <functional>
#include <map>
#include <string>

class QAction;
class QActionGroup;

namespace ornadeck::app {

// The "Controls" toolbar: one button per control kind, at most one down, and a click on the
// one that is down raises it. Which buttons show, their hints and the kinds they place
// follow the library.
class KindToolBar : public QToolBar {
    Q_OBJECT
  public:
    explicit KindToolBar(QWidget* parent = nullptr);

    void configure(Library library);
    Library library() const { return library_; }
    // Shows the kind tag the core holds as the chosen tool (empty: every button up), and
    // whether it is locked: a locked button carries a mark in its corner.
    void showTool(const std::string& kindTag, bool locked = false);
    QAction* action(const QString& id) const;

    // What a drag of a tool shows under the pointer: the picture of a control of its kind.
    using DragPicture = std::function<QPixmap(const std::string& kindTag)>;
    void setDragPicture(DragPicture picture) { dragPicture_ = std::move(picture); }
    // The type of the data a tool's drag carries: its kind tag.
    static constexpr const char* kKindMime = "application/x-ornadeck-kind";

  signals:
    // The user chose a kind, or raised the pressed button (empty tag). A double-click
    // chooses it locked: it stays down after each placement.
    void toolChosen(const std::string& kindTag, bool locked);
    // Return on a pressed button that has the keyboard focus: place one of its kind now.
    void insertRequested(const std::string& kindTag);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onTriggered(QAction* action);
    void showLock(QAction* action, bool locked);
    QAction* actionOf(QObject* widget) const;
    void startDrag(QAction* action);

    Library library_ = Library::PToolboxLib;
    std::map<QString, QAction*> actions_;
    std::map<QAction*, QIcon> plainIcons_;
    QAction* locking_ = nullptr;
    QAction* locked_ = nullptr;
    // A press on a tool that may become a drag: the tool and where the press was.
    QAction* pressed_ = nullptr;
    QPoint pressedAt_;
    DragPicture dragPicture_;
};

} // namespace ornadeck::app
