#pragma once

#include "codegen/CControlsScope.h"
#include "codegen/LibraryGenerator.h"

namespace ornadeck {

// The Forms text of one form or dialog: its handle line, then its Controls, Contents and
// Draw functions.
void writeCControlsForms(Lines& out, const CControlsScope& scope);

} // namespace ornadeck
