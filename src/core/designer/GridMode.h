#pragma once

namespace ornadeck {

struct Workspace;

// The View menu's Grid: one switch over every form, shown or hidden. Surfaces and dialogs
// draw dots every 5 pixels (grid space 6) while controls snap to 4: the two do not coincide.
// Designer windows take their snap step from the workspace's switch.
void setGridMode(Workspace& workspace, bool on);

} // namespace ornadeck
