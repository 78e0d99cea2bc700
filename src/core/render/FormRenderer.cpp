#include "render/FormRenderer.h"

#include "model/Form.h"
#include "render/Canvas.h"
#include "render/ControlPainter.h"
#include "render/DevicePicture.h"
#include "render/SurfacePainter.h"

#include <algorithm>

namespace ornadeck {

namespace {

struct Rect {
    int left, top, right, bottom; // right and bottom exclusive

    Rect intersect(const Rect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    bool empty() const { return left >= right || top >= bottom; }
};

Rect windowOf(const Control& c, int x, int y) {
    return {x + c.left(), y + c.top(), x + c.left() + c.width(), y + c.top() + c.height()};
}

} // namespace

Image FormRenderer::surface(const Form& form, Aids aids) const {
    Image image(TCCForm::kScreenSize, TCCForm::kScreenSize);
    paint(image, form, 0, 0, aids);
    return image;
}

Image FormRenderer::designer(const Form& form, Aids aids) const {
    Image image = DevicePicture::image();
    paint(image, form, DevicePicture::kScreenLeft, DevicePicture::kScreenTop, aids);
    return image;
}

Image FormRenderer::control(const Control& control) const {
    Image image(std::max(control.width(), 1), std::max(control.height(), 1), control.color());
    Canvas canvas(image, fonts_);
    canvas.setOrigin(0, 0);
    canvas.setClip(0, 0, image.width(), image.height());
    canvas.hideDesignAids();
    paintControl(canvas, control);
    return image;
}

void FormRenderer::paint(Image& image, const Form& form, int x, int y, Aids aids) const {
    const TCCForm& screen = form.surface();
    const Rect screenRect{x, y, x + screen.width(), y + screen.height()};
    Canvas surfaceCanvas(image, fonts_);
    surfaceCanvas.setOrigin(x, y);
    surfaceCanvas.setClip(screenRect.left, screenRect.top, screenRect.right, screenRect.bottom);
    if (aids == Aids::Hidden) surfaceCanvas.hideDesignAids();
    paintSurface(surfaceCanvas, screen);

    auto paintOne = [&](const Control& c, int originX, int originY, const Rect& limit) {
        const Rect area = windowOf(c, originX, originY).intersect(limit);
        if (area.empty()) return area;
        Canvas canvas(image, fonts_);
        canvas.setOrigin(originX + c.left(), originY + c.top());
        canvas.setClip(area.left, area.top, area.right, area.bottom);
        if (aids == Aids::Hidden) canvas.hideDesignAids();
        paintControl(canvas, c);
        return area;
    };
    for (const auto& child : screen.children()) {
        if (!child->visible()) continue;
        const Rect area = paintOne(*child, x, y, screenRect);
        if (!child->isDialog() || area.empty()) continue;
        for (const auto& inner : child->children())
            if (inner->visible()) paintOne(*inner, x + child->left(), y + child->top(), area);
    }
    // The menu bar and menus belong to the designer window, which holds the screen at the
    // screen's own position.
    const int windowX = x - screen.left(), windowY = y - screen.top();
    const Rect whole{0, 0, image.width(), image.height()};
    for (const auto& child : form.windowChildren())
        if (child->visible()) paintOne(*child, windowX, windowY, whole);
}

} // namespace ornadeck
