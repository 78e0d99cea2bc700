#include "workbench/LibraryKit.h"

#include "cclib/CControlsEngine.h"
#include "cclib/CControlsFormSections.h"
#include "codegen/CControlsGenerator.h"
#include "codegen/PToolboxGenerator.h"
#include "model/Workspace.h"
#include "ptlib/PToolboxEngine.h"
#include "ptlib/PToolboxFormSections.h"

namespace ornadeck {

LibraryKits::LibraryKits(Workspace& workspace, Ui& ui)
    : workspace_(workspace), ccontrols_{std::make_unique<CControlsEngine>(workspace, ui),
                                        std::make_unique<CControlsFormSections>()},
      ptoolbox_{std::make_unique<PToolboxEngine>(workspace, ui),
                std::make_unique<PToolboxFormSections>()} {}

LibraryKits::~LibraryKits() = default;

const LibraryKit& LibraryKits::of(Library library) const {
    return library == Library::PToolboxLib ? ptoolbox_ : ccontrols_;
}

const LibraryKit& LibraryKits::current() const { return of(workspace_.library); }

} // namespace ornadeck

namespace ornadeck {

std::unique_ptr<LibraryGenerator> makeGenerator(Library library) {
    if (library == Library::PToolboxLib) return std::make_unique<PToolboxGenerator>();
    return std::make_unique<CControlsGenerator>();
}

} // namespace ornadeck
