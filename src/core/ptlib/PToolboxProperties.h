#pragma once

#include "engine/PropertyTable.h"

namespace ornadeck {

class Control;

// The property table of a PToolboxLib control's kind, or null for an object of no kind.
// The CControls classes the library borrows get its own tables here.
const PropertyTable* ptPropertiesOf(const Control& control);

} // namespace ornadeck
