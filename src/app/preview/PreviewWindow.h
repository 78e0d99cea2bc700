#pragma once

#include "render/FormRenderer.h"
#include "workbench/PreviewSession.h"

#include <QWidget>
#include <memory>

class QLabel;

namespace ornadeck::app {

class AppCore;
class DesignerViews;
class HandheldView;

// The "Preview" window: the project's forms tried on the handheld, on copies, as the
// generated program runs them. Its caption names the form shown; its status line names the
// handler a tap would run. Escape, or the silkscreen's home icon, closes it.
class PreviewWindow : public QWidget {
    Q_OBJECT
  public:
    // Opens a preview of the project at the active designer window's zoom.
    static PreviewWindow* open(AppCore& core, DesignerViews& views, QWidget* parent);

    PreviewSession& session() { return *session_; }
    HandheldView& handheld() const { return *handheld_; }
    QLabel& statusLine() const { return *status_; }

  private:
    PreviewWindow(AppCore& core, int zoom, QWidget* parent);
    void follow();

    std::unique_ptr<PreviewSession> session_;
    const FormRenderer& renderer_;
    HandheldView* handheld_;
    QLabel* status_;
};

} // namespace ornadeck::app
