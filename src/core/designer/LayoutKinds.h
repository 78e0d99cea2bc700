#pragma once

#include "model/Library.h"

namespace ornadeck {

class Control;
class PropertyTable;

enum class AlignCommand { Left, Right, Top, Bottom, Width, Height };

// Whether a control's kind takes part in an align or size command, as reference or target.
// Each library has its own table; kinds of fixed size sit out the sizes they cannot take.
bool takesPartIn(Library library, const Control& control, AlignCommand command);

// The property table through which a library reads and writes a control's position and
// size (Palm or window coordinates, as the kind's inspector rows use them).
const PropertyTable* layoutPropertiesOf(Library library, const Control& control);

} // namespace ornadeck
