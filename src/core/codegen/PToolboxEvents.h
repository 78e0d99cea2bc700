#pragma once

#include "codegen/LibraryGenerator.h"
#include "codegen/PToolboxUnits.h"

#include <vector>

namespace ornadeck {

// The event loop of every form and dialog, each followed by its repeat handler if it needs one.
void writePtEvents(Lines& out, const std::vector<PtUnit>& units);

} // namespace ornadeck
