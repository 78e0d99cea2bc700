#pragma once

#include <QObject>
#include <QPoint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace ornadeck {
class Form;
}

namespace ornadeck::app {

class AppCore;
class DesignerSubWindow;
class DesignerView;

// Keeps one designer window on screen for each form the core holds: made when a form
// appears, hidden and shown as the form is, let go before the core destroys the form.
class DesignerViews : public QObject {
    Q_OBJECT
  public:
    DesignerViews(AppCore& core, QMdiArea& area);
    ~DesignerViews() override;

    // Brings the windows in line with the core's forms and the active one.
    void sync();
    DesignerView* viewOf(const Form* form) const;
    DesignerView* activeView() const;
    // The active view while its form is on screen; a closed form stays active but is hidden.
    DesignerView* shownActiveView() const;
    std::vector<DesignerView*> all() const;
    void invalidateAll();
    // Closes every window without asking, at program end.
    void closeAllForGood();

  signals:
    // A form or the active window changed through a view.
    void changed();
    void popupRequested(DesignerView* view, QPoint globalPos);

  private:
    void create(Form& form);
    void forget(Form& form);
    void onActivated(QMdiSubWindow* window);
    void onCloseRequested(DesignerSubWindow* window);
    static constexpr const char* kZoomSection = "DesignerZoom";
    static std::optional<std::string> zoomKey(const Form& form);
    int storedZoom(const Form& form) const;
    void storeZoom(const Form& form, int zoom);

    AppCore& core_;
    QMdiArea& area_;
    std::map<const Form*, DesignerSubWindow*> windows_;
    bool syncing_ = false;
};

} // namespace ornadeck::app
