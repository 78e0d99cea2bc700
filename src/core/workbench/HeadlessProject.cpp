#include "workbench/HeadlessProject.h"

#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/IniReadAhead.h"
#include "model/ProjectPaths.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "workbench/FormLibraryCheck.h"

#include <optional>

namespace ornadeck {

namespace {

using Kind = ListedFormProblem::Kind;

void note(HeadlessProject& out, Kind kind, const std::filesystem::path& path, std::string message) {
    out.warnings.push_back(message);
    out.problems.push_back({kind, path, std::move(message)});
}

// Reads one form file of the project's library into `out.forms`, or notes why it could not.
void readForm(const std::filesystem::path& formPath, const IniFile& formIni, Workspace& workspace,
              const LibraryKit& kit, FormLibraryCheck& libraryCheck, HeadlessProject& out) {
    const std::string name = formIni.readString("FORM", "Name", "");
    if (name.empty()) {
        note(out, Kind::Unreadable, formPath, formPath.string() + ": the form has no name");
        return;
    }
    if (!libraryCheck.admits(formIni, formPath)) {
        note(out, Kind::OtherLibrary, formPath,
             "skipped " + libraryCheck.skipped().back() + ": not of the project's library");
        return;
    }
    auto form = std::make_unique<Form>(name, workspace.metrics);
    form->setFilePath(formPath);
    SectionReadContext context{*form, workspace, *kit.engine};
    if (Status s = loadFormIni(formIni, *kit.sections, context); !s)
        note(out, Kind::PartlyRead, formPath, formPath.string() + ": " + s.message());
    out.forms.push_back(std::move(form));
}

// Notes why a form file could not be read; `s` is how reading it went.
Status noteUnread(const std::filesystem::path& formPath, Status s, HeadlessProject& out) {
    if (!s) {
        std::error_code ec;
        const bool exists = std::filesystem::exists(formPath, ec);
        note(out, exists ? Kind::Unreadable : Kind::Missing, formPath, s.message());
    }
    return s;
}

} // namespace

HeadlessProject::HeadlessProject() = default;
HeadlessProject::~HeadlessProject() = default;
HeadlessProject::HeadlessProject(HeadlessProject&&) noexcept = default;

Status loadHeadlessProject(const std::filesystem::path& path, Workspace& workspace,
                           const LibraryKits& kits, HeadlessProject& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Status::fail("Cannot read " + path.string() + ": no such project file");
    if (Status s = out.ini.load(path); !s) return s;
    out.path = path;
    out.name = platform::utf8Of(path.stem());
    out.library =
        out.ini.readInt("Project", "Lib", 1) == 2 ? Library::PToolboxLib : Library::CControls;
    workspace.library = out.library;
    FormLibraryCheck libraryCheck(out.library);
    std::vector<std::filesystem::path> formPaths;
    for (const std::string& key : out.ini.keyNames("ActiveForms")) {
        // A relative path is taken from the project's folder, so a project can travel.
        formPaths.push_back(
            pathFromProjectFile(out.ini.readString("ActiveForms", key, ""), path.parent_path()));
    }
    IniReadAhead files(formPaths);
    for (const std::filesystem::path& formPath : formPaths) {
        IniFile formIni;
        if (noteUnread(formPath, files.next(formIni), out))
            readForm(formPath, formIni, workspace, kits.of(out.library), libraryCheck, out);
        files.giveBack(std::move(formIni));
    }
    if (out.forms.empty()) return Status::fail(path.string() + ": the project has no forms");
    return {};
}

Status loadHeadlessForms(const std::vector<std::filesystem::path>& paths, Workspace& workspace,
                         const LibraryKits& kits, HeadlessProject& out) {
    std::optional<FormLibraryCheck> libraryCheck;
    IniReadAhead files(paths);
    for (const auto& formPath : paths) {
        IniFile formIni;
        if (!noteUnread(formPath, files.next(formIni), out)) continue;
        if (!libraryCheck) {
            out.library =
                formIni.readInt("FORM", "Lib", 1) == 2 ? Library::PToolboxLib : Library::CControls;
            workspace.library = out.library;
            libraryCheck.emplace(out.library);
        }
        readForm(formPath, formIni, workspace, kits.of(out.library), *libraryCheck, out);
    }
    if (out.forms.empty()) return Status::fail("none of the forms given could be read");
    return {};
}

} // namespace ornadeck
