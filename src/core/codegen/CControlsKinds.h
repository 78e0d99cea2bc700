#pragma once

#include "codegen/LibraryGenerator.h"

#include <string>

namespace ornadeck {

class Control;

// A child that is drawn with the PocketC bitmap call and is no control of the library:
// an Image that is not clickable.
bool isPlainPicture(const Control& control);
// A child declared with a handle, created, filled and drawn by the library. Dialogs,
// plain pictures and classes of the other library are not.
bool bearsHandle(const Control& control);
// A child with an "On" handler and a dispatch line in the event loop.
bool getsHandler(const Control& control);

// "/f1", "/f2" or "/f7" before the text of a control in a font other than the standard one.
std::string fontPrefix(const Control& control);

// The creation line of a handle-bearing child whose container lies at (dx, dy).
std::string creationLine(const Control& control, int dx, int dy);
// The lines that fill a handle-bearing child or a menu.
void appendContents(Lines& out, const Control& control);
// The Draw line of a plain picture.
std::string bitmapLine(const Control& control, int dx, int dy);

} // namespace ornadeck
