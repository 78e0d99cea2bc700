#pragma once

#include <QDockWidget>
#include <QImage>

namespace ornadeck::app {

class DesignerView;

// "Zoom 2x": the active form's whole designer picture at twice its size, pixels kept sharp.
// It draws from the picture the core renders, never from the screen, so it is right even
// when the designer window is covered.
class ZoomDock : public QDockWidget {
    Q_OBJECT
  public:
    explicit ZoomDock(QWidget* parent = nullptr);

    // Takes the active view's picture when it changed; without an active view the picture
    // stays as it was. Nothing is drawn while the window is hidden.
    void refresh(DesignerView* active);
    const QImage& picture() const { return picture_; }

  private:
    QImage picture_;
    class ZoomPicture* view_;
};

} // namespace ornadeck::app
