#pragma once

namespace ornadeck::app {

// Registers the icons and help pages compiled into the library. A static library's
// resources are not registered by themselves; calling this more than once is harmless.
void loadResources();

} // namespace ornadeck::app
