#pragma once

namespace ornadeck {

class Canvas;
class Control;

// Paints any design control in its own window coordinates. False for an unknown class.
bool paintControl(Canvas& canvas, const Control& control);

} // namespace ornadeck
