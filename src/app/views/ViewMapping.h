#pragma once

#include "model/Point.h"
#include "render/DevicePicture.h"

#include <QPointF>
#include <QSize>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace ornadeck::app {

// The one mapping of a designer view: widget pixel -> picture pixel -> surface pixel. Each
// Palm pixel covers a whole number of device pixels, so it stays a sharp square at any
// zoom and on any screen density.
class ViewMapping {
  public:
    ViewMapping() = default;
    ViewMapping(int zoom, qreal devicePixelRatio)
        : dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
          factor_(std::max(1, static_cast<int>(std::lround(zoom * dpr_)))) {}

    // Device pixels per Palm pixel.
    int factor() const { return factor_; }
    qreal devicePixelRatio() const { return dpr_; }

    // The widget size, in logical pixels, that shows a picture of `width` x `height`.
    QSize logicalSize(int width, int height) const {
        return {static_cast<int>(std::ceil(width * factor_ / dpr_)),
                static_cast<int>(std::ceil(height * factor_ / dpr_))};
    }
    Point toPicture(QPointF logical) const {
        return {static_cast<int>(std::floor(logical.x() * dpr_ / factor_)),
                static_cast<int>(std::floor(logical.y() * dpr_ / factor_))};
    }
    Point toSurface(QPointF logical) const {
        const Point p = toPicture(logical);
        return {p.x - DevicePicture::kScreenLeft, p.y - DevicePicture::kScreenTop};
    }
    // The logical point at the centre of a surface pixel: what a click there sends.
    QPointF fromSurface(Point surface) const {
        const qreal scale = factor_ / dpr_;
        return {(surface.x + DevicePicture::kScreenLeft + 0.5) * scale,
                (surface.y + DevicePicture::kScreenTop + 0.5) * scale};
    }

  private:
    qreal dpr_ = 1.0;
    int factor_ = 1;
};

} // namespace ornadeck::app
