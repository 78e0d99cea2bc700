#pragma once

namespace ornadeck {

class Canvas;
class Control;

// Eight 3 x 3 squares in the control's mark colour over its picture, when it is selected:
// at the corners and the middles of its edges.
void paintSelectionMarks(Canvas& canvas, const Control& control);

} // namespace ornadeck
