#pragma once

#include "codegen/LibraryGenerator.h"
#include "codegen/PToolboxUnits.h"

#include <vector>

namespace ornadeck {

// The creation and draw functions of every form and dialog, in unit order.
void writePtForms(Lines& out, const std::vector<PtUnit>& units);

} // namespace ornadeck
