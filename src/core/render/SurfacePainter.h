#pragma once

namespace ornadeck {

class Canvas;
class TCCForm;

// Paints a CControls form's Palm screen in its own window coordinates: the surface colour,
// the grid, the line under the title bar and the title tab.
void paintSurface(Canvas& canvas, const TCCForm& form);

} // namespace ornadeck
