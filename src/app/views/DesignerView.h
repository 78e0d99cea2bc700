#pragma once

#include "designer/FormEditor.h"
#include "views/ViewMapping.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace ornadeck::app {

class AppCore;

// One form's designer picture: paints what the core renders at a whole zoom factor and
// hands pointer input to the core's designer window in surface pixels.
class DesignerView : public QWidget {
    Q_OBJECT
  public:
    DesignerView(AppCore& core, Form& form, QWidget* parent = nullptr);

    FormEditor& editor() { return editor_; }
    Form& form() { return editor_.form(); }
    const ViewMapping& mapping() const { return mapping_; }

    static constexpr int kMaxZoom = 4;
    int zoom() const { return zoom_; }
    // Whole factors from 1 to kMaxZoom; others are brought into that range.
    void setZoom(int zoom);
    // The form changed: draw it again at the next paint, once however many changes came.
    void invalidatePicture();
    // The picture as last drawn (1:1), drawn now if it is out of date.
    const QImage& picture();

  signals:
    // The form or its selection changed through this view.
    void changed();
    // The popup menu is wanted at a global position.
    void popupRequested(QPoint globalPos);
    // The zoom factor changed: the frame around the view must fit it again.
    void zoomChanged(int zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void updateMapping();
    void paintGuides(QPainter& painter, qreal scale);
    void endAnyDrag();

    AppCore& core_;
    FormEditor editor_;
    int zoom_ = 2;
    // Wheel turning with Ctrl not yet a whole zoom step, in eighths of a degree.
    int wheelDelta_ = 0;
    ViewMapping mapping_;
    QImage picture_;
    bool pictureValid_ = false;
    bool pressed_ = false;
};

} // namespace ornadeck::app
