#include "codegen/CControlsGenerator.h"
#include "codegen/LibraryGenerator.h"
#include "codegen/PToolboxGenerator.h"

namespace ornadeck {

std::unique_ptr<LibraryGenerator> makeGenerator(Library library) {
    if (library == Library::PToolboxLib) return std::make_unique<PToolboxGenerator>();
    return std::make_unique<CControlsGenerator>();
}

} // namespace ornadeck
