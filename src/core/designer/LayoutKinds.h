#pragma once

#include "engine/CommonProperties.h"
#include "model/Library.h"

#include <optional>

namespace ornadeck {

class Control;

enum class AlignCommand { Left, Right, Top, Bottom, Width, Height };

// Whether a control's kind takes part in an align or size command, as reference or target.
// Each library has its own table; kinds of fixed size sit out the sizes they cannot take.
bool takesPartIn(Library library, const Control& control, AlignCommand command);

using LayoutSide = props::Side;

// A position or size read through the kind's own accessors, in the coordinates its
// inspector rows use (the Palm or the window rectangle). A size the kind's drawing decides
// is read in its position's coordinates; nothing for a kind with neither.
std::optional<int> readLayoutSide(Library library, const Control& control, LayoutSide side);
// Writes it the same way, with no message; a size the drawing decides is left alone, and a
// CControls Image keeps within its size limit.
void writeLayoutSide(Library library, Control& control, LayoutSide side, int value);

} // namespace ornadeck
