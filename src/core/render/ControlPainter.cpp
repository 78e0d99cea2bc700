#include "render/ControlPainter.h"

#include "render/CControlsPainter.h"
#include "render/PToolboxPainter.h"

namespace ornadeck {

// The classes both libraries share are painted alike in either of them.
bool paintControl(Canvas& canvas, const Control& control) {
    return paintCControl(canvas, control) || paintPTControl(canvas, control);
}

} // namespace ornadeck
