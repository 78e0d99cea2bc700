#include "designer/HitTest.h"

#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck {

namespace {

bool contains(const Control& c, Point p) {
    return p.x >= c.left() && p.y >= c.top() && p.x < c.left() + c.width() &&
           p.y < c.top() + c.height();
}

Control* topmostAt(const std::vector<std::unique_ptr<Control>>& children, Point p) {
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->visible() && contains(**it, p)) return it->get();
    return nullptr;
}

} // namespace

Hit hitTest(const Form& form, Point onSurface) {
    const TCCForm& surface = form.surface();
    // Menus are placed in the window's pixels, where the surface sits at its own Left, Top.
    const Point inWindow{onSurface.x + surface.left(), onSurface.y + surface.top()};
    if (Control* menu = topmostAt(form.windowChildren(), inWindow))
        return {Hit::Where::WindowControl, menu, inWindow};
    if (onSurface.x < 0 || onSurface.y < 0 || onSurface.x >= surface.width() ||
        onSurface.y >= surface.height())
        return {Hit::Where::Outside, nullptr, onSurface};
    Control* child = topmostAt(surface.children(), onSurface);
    if (!child) return {Hit::Where::Surface, nullptr, onSurface};
    if (child->isDialog() && child == static_cast<const Control*>(form.currentDialog())) {
        const Point inDialog{onSurface.x - child->left(), onSurface.y - child->top()};
        if (Control* inner = topmostAt(child->children(), inDialog))
            return {Hit::Where::DialogControl, inner, inDialog};
    }
    return {Hit::Where::SurfaceControl, child, onSurface};
}

} // namespace ornadeck
