#pragma once

#include "engine/Engine.h"
#include "model/Library.h"

#include <memory>

namespace ornadeck {

class FormSections;
class Ui;
struct Workspace;

// What the program does through one library: edit controls and file them.
struct LibraryKit {
    std::unique_ptr<Engine> engine;
    std::unique_ptr<FormSections> sections;
};

// Both libraries' kits; the workspace's library number picks the current one. Made where
// both libraries are known (workbench/LibraryKits.cpp), used by every floor above the engine.
class LibraryKits {
  public:
    LibraryKits(Workspace& workspace, Ui& ui);
    ~LibraryKits();

    const LibraryKit& of(Library library) const;
    const LibraryKit& current() const;

  private:
    Workspace& workspace_;
    LibraryKit ccontrols_;
    LibraryKit ptoolbox_;
};

} // namespace ornadeck
