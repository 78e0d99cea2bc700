#pragma once

#include <string>

namespace ornadeck::app {
class AppCore;
class DesignerViews;
} // namespace ornadeck::app

namespace ornadeck::monkey {

// What must hold after every event, whatever the user did: marks and the selection only on
// controls that exist, each undo history consistent, and every form writing out a file that
// reads back to the same file. Returns what is broken; empty when all holds.
std::string brokenInvariant(app::AppCore& core, app::DesignerViews& views);

// Undo then redo on the active form gives back the same form. Empty when it does.
std::string brokenUndoRoundTrip(app::AppCore& core, app::DesignerViews& views);

} // namespace ornadeck::monkey
