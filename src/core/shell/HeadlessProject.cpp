#include "shell/HeadlessProject.h"

#include "engine/Engine.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/Workspace.h"
#include "shell/FormLibraryCheck.h"
#include "shell/LibraryKit.h"

namespace ornadeck {

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
    out.name = path.stem().string();
    out.library =
        out.ini.readInt("Project", "Lib", 1) == 2 ? Library::PToolboxLib : Library::CControls;
    workspace.library = out.library;
    const LibraryKit& kit = kits.of(out.library);
    FormLibraryCheck libraryCheck(out.library);
    for (const std::string& key : out.ini.keyNames("ActiveForms")) {
        std::filesystem::path formPath = out.ini.readString("ActiveForms", key, "");
        // A relative path is taken from the project's folder, so a project can travel.
        if (formPath.is_relative()) formPath = path.parent_path() / formPath;
        IniFile formIni;
        if (Status s = formIni.load(formPath); !s) {
            out.warnings.push_back(s.message());
            continue;
        }
        const std::string name = formIni.readString("FORM", "Name", "");
        if (name.empty()) {
            out.warnings.push_back(formPath.string() + ": the form has no name");
            continue;
        }
        if (!libraryCheck.admits(formIni, formPath)) {
            out.warnings.push_back("skipped " + libraryCheck.skipped().back() +
                                   ": not of the project's library");
            continue;
        }
        auto form = std::make_unique<Form>(name);
        form->setFilePath(formPath);
        SectionReadContext context{*form, workspace, *kit.engine};
        if (Status s = loadFormIni(formIni, *kit.sections, context); !s)
            out.warnings.push_back(formPath.string() + ": " + s.message());
        out.forms.push_back(std::move(form));
    }
    if (out.forms.empty()) return Status::fail(path.string() + ": the project has no forms");
    return {};
}

} // namespace ornadeck
