#pragma once

#include "views/ViewMapping.h"

#include <QTimer>
#include <QWidget>

namespace ornadeck {
class FormRenderer;
class PreviewSession;
} // namespace ornadeck

namespace ornadeck::app {

// The handheld of a preview: the device picture with the preview's screen in it, every Palm
// pixel a whole block of screen pixels as in the designer. Taps and keys go to the preview.
class HandheldView : public QWidget {
    Q_OBJECT
  public:
    HandheldView(PreviewSession& preview, const FormRenderer& renderer, int zoom,
                 QWidget* parent = nullptr);

    const ViewMapping& mapping() const { return mapping_; }
    QSize sizeHint() const override;

  signals:
    // The preview changed: another form, a toggled control, the end.
    void changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void tap(Point onScreen);

    // How long a tapped handler control shows inverted, and how often a held repeat button
    // repeats.
    static constexpr int kFlashMs = 150;
    static constexpr int kRepeatMs = 120;

    PreviewSession& preview_;
    QTimer repeat_;
    Point held_;
    const FormRenderer& renderer_;
    ViewMapping mapping_;
};

} // namespace ornadeck::app
