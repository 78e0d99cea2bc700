#pragma once

namespace ornadeck {

class Canvas;
class Control;

// Paints a control of a PToolboxLib design class in its own window coordinates (the caller
// sets the canvas origin and clip). Returns false, drawing nothing, for any other class.
bool paintPTControl(Canvas& canvas, const Control& control);

} // namespace ornadeck
