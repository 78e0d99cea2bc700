#pragma once

namespace ornadeck {

class Canvas;
class TPTDialog;

// A dialog of either library, in its own window coordinates: its grid over the whole Palm
// screen, its two-pixel frame, and its title bar.
void paintDialog(Canvas& canvas, const TPTDialog& dialog);

} // namespace ornadeck
