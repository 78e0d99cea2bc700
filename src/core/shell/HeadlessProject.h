#pragma once

#include "model/IniFile.h"
#include "model/Library.h"
#include "model/Status.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ornadeck {

class Form;
class LibraryKits;
struct Workspace;

// A project read without windows: its forms in the project file's ActiveForms order, which
// keeps every run of a headless tool the same.
struct HeadlessProject {
    std::filesystem::path path;
    std::string name;
    Library library = Library::CControls;
    IniFile ini;
    std::vector<std::unique_ptr<Form>> forms;
    // Forms the project lists but that could not be read, were read only in part, or are of
    // the other library (not read at all).
    std::vector<std::string> warnings;

    HeadlessProject();
    ~HeadlessProject();
    HeadlessProject(HeadlessProject&&) noexcept;
};

// Reads the project file and each listed form of the project's library. A project that
// cannot be read, or that lists no readable form, is an error; the warnings hold then too.
Status loadHeadlessProject(const std::filesystem::path& path, Workspace& workspace,
                           const LibraryKits& kits, HeadlessProject& out);

} // namespace ornadeck
