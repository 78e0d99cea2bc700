#pragma once

#include "codegen/CControlsScope.h"
#include "codegen/LibraryGenerator.h"

namespace ornadeck {

// The Events text of one form or dialog: a handler per tappable control, the menu
// handler of a form, and the event loop that dispatches to them.
void writeCControlsEvents(Lines& out, const CControlsScope& scope);

} // namespace ornadeck
