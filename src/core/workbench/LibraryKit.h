#pragma once

#include "engine/Engine.h"
#include "formfile/FormSections.h"
#include "model/Library.h"

#include <memory>
#include <string>

namespace ornadeck {

class LibraryGenerator;
class Ui;
struct Workspace;

// What the program does through one library: edit controls and file them.
struct LibraryKit {
    std::unique_ptr<Engine> engine;
    std::unique_ptr<FormSections> sections;
};

// The code generator of a library.
std::unique_ptr<LibraryGenerator> makeGenerator(Library library);

// Both libraries' kits; the workspace's library number picks the current one.
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
