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

// A form file a project lists (or a tool was given) that could not be taken, or only in part.
struct ListedFormProblem {
    enum class Kind { Missing, Unreadable, OtherLibrary, PartlyRead };
    Kind kind = Kind::Missing;
    std::filesystem::path path;
    std::string message;
};

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
    // The same forms, each with what kept it out.
    std::vector<ListedFormProblem> problems;

    HeadlessProject();
    ~HeadlessProject();
    HeadlessProject(HeadlessProject&&) noexcept;
};

// Reads the project file and each listed form of the project's library. A project that
// cannot be read, or that lists no readable form, is an error; the warnings hold then too.
Status loadHeadlessProject(const std::filesystem::path& path, Workspace& workspace,
                           const LibraryKits& kits, HeadlessProject& out);

// Reads form files given one by one as the forms of a project without a project file. The
// first form that can be read decides the library; forms of the other one are left out.
// `out.ini` stays empty. None readable is an error.
Status loadHeadlessForms(const std::vector<std::filesystem::path>& paths, Workspace& workspace,
                         const LibraryKits& kits, HeadlessProject& out);

} // namespace ornadeck
