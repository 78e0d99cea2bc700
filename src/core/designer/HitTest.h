#pragma once

#include "designer/MouseInput.h"

namespace ornadeck {

class Control;
class Form;

// What lies under a point of the designer window, given in surface pixels (Palm (0, 0) is
// the surface's top-left; the device picture around it gives negative or large values).
struct Hit {
    enum class Where {
        Outside,        // the device picture around the screen
        Surface,        // the screen itself, no control
        SurfaceControl, // a direct child of the surface: handled by `snap`
        DialogControl,  // a child of the tested dialog: handled by `snapDialog`
        WindowControl,  // the menu bar or a menu, children of the window itself
    };
    Where where = Where::Outside;
    Control* control = nullptr;
    // The point in the pixels of the control's parent: the frame its grab handles use.
    Point inParent;
};

// Topmost visible first, as windows stack: menus over the surface, later children over
// earlier ones. Children of a dialog are only reached through the tested dialog.
Hit hitTest(const Form& form, Point onSurface);

} // namespace ornadeck
