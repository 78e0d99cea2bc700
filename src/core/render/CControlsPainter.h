#pragma once

namespace ornadeck {

class Canvas;
class Control;

// Paints a control of a CControls design class in its own window coordinates (the caller
// sets the canvas origin and clip): its colour, its picture in its font, then the selection
// marks. Returns false, drawing nothing, for any other class.
bool paintCControl(Canvas& canvas, const Control& control);

} // namespace ornadeck
