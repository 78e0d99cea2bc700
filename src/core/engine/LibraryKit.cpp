#include "engine/LibraryKit.h"

#include "model/Workspace.h"

namespace ornadeck {

const LibraryKit& LibraryKits::of(Library library) const {
    return library == Library::PToolboxLib ? ptoolbox_ : ccontrols_;
}

const LibraryKit& LibraryKits::current() const { return of(workspace_.library); }

} // namespace ornadeck
