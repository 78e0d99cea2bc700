#pragma once

#include "codegen/LibraryGenerator.h"
#include "model/Library.h"
#include "workbench/HeadlessProject.h"

#include <filesystem>
#include <vector>

namespace ornadeck {

class IniFile;
struct Workspace;

// What one run of the checks looks at: the forms generated together, and the project
// they belong to when there is one.
struct CheckSubject {
    Library library = Library::CControls;
    // In the order the code is generated.
    FormList forms;
    // Empty, and `project` null, for forms checked without their project.
    std::filesystem::path projectPath;
    const IniFile* project = nullptr;
    // Forms the project lists that could not be taken.
    std::vector<ListedFormProblem> listed;
};

// The subject of a project read without windows; it refers to `project`'s forms.
CheckSubject subjectOf(const HeadlessProject& project);
// The forms open in the designer (those whose window is shown, in window-list order) and the
// project's file as last saved, when the project has one.
CheckSubject subjectOf(const Workspace& workspace, const IniFile* projectFile);

} // namespace ornadeck
