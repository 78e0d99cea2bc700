#include "inspector/ZoomDock.h"

#include "render/DevicePicture.h"
#include "views/DesignerView.h"

#include <QPainter>

namespace ornadeck::app {

namespace {

constexpr int kFactor = 2;

} // namespace

class ZoomPicture : public QWidget {
  public:
    explicit ZoomPicture(const QImage& picture) : picture_(picture) {
        setObjectName("imgZoom");
        setAccessibleName(tr("Zoomed form"));
        setCursor(Qt::ForbiddenCursor);
        setFixedSize(DevicePicture::kWidth * kFactor, DevicePicture::kHeight * kFactor);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(QPoint(0, 0), picture_.size() * kFactor), picture_);
    }

  private:
    const QImage& picture_;
};

ZoomDock::ZoomDock(QWidget* parent)
    : QDockWidget(tr("Zoom 2x"), parent), view_(new ZoomPicture(picture_)) {
    setObjectName("TfrmZoom");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setWidget(view_);
}

void ZoomDock::refresh(DesignerView* active) {
    if (isHidden() || !active) return;
    const QImage& now = active->picture();
    if (now.cacheKey() == picture_.cacheKey()) return;
    picture_ = now;
    view_->update();
}

} // namespace ornadeck::app
