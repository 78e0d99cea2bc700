#pragma once

#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/Library.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <memory>
#include <vector>

namespace ornadeck::bench {

// A project of `forms` forms with `perForm` controls of every kind each, built through the
// library's engine as a user would place them.
struct BigProject {
    BigProject(Library library, int forms, int perForm);

    Workspace workspace;
    SilentUi ui;
    LibraryKits kits{workspace, ui};
    std::vector<std::unique_ptr<Form>> forms;
};

} // namespace ornadeck::bench
