#pragma once

#include "codegen/LibraryGenerator.h"

namespace ornadeck {

class Control;

// The item array a List with items needs before its form is created; nothing otherwise.
void writeItemArray(Lines& out, const Control& child);

// The lines that create one child of a form or dialog, with its font lines around them.
// Dialogs, bitmaps and classes the library has no kind for write nothing.
void writeCreationLines(Lines& out, const Control& child);

} // namespace ornadeck
