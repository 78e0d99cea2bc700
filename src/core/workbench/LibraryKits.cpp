// Both libraries' kits are made here, on the floor that knows both libraries.
#include "cclib/CControlsEngine.h"
#include "cclib/CControlsFormSections.h"
#include "engine/LibraryKit.h"
#include "ptlib/PToolboxEngine.h"
#include "ptlib/PToolboxFormSections.h"

namespace ornadeck {

LibraryKits::LibraryKits(Workspace& workspace, Ui& ui)
    : workspace_(workspace), ccontrols_{std::make_unique<CControlsEngine>(workspace, ui),
                                        std::make_unique<CControlsFormSections>()},
      ptoolbox_{std::make_unique<PToolboxEngine>(workspace, ui),
                std::make_unique<PToolboxFormSections>()} {}

LibraryKits::~LibraryKits() = default;

} // namespace ornadeck
