#include "formfile/FormFile.h"

#include "engine/Engine.h"
#include "model/Form.h"

namespace ornadeck {

IniFile formToIni(const Form& form, const FormSections& sections) {
    IniFile ini;
    ini.writeString("FORM", "Name", form.name());
    ini.writeInt("FORM", "Top", form.windowTop());
    ini.writeInt("FORM", "Left", form.windowLeft());
    ini.writeString("FORM", "Title", form.surface().title());
    ini.writeInt("FORM", "Lib", static_cast<int>(sections.library()));
    for (const auto& control : form.surface().children())
        sections.writeControl(ini, *control);
    sections.writeWindowChildren(ini, form);
    return ini;
}

Status saveFormFile(const Form& form, const std::filesystem::path& path,
                    const FormSections& sections, FileStamp* written) {
    return formToIni(form, sections).save(path, written);
}

Status loadFormIni(const IniFile& ini, const FormSections& sections, SectionReadContext& context) {
    Form& form = context.form;
    form.surface().setTitle(ini.readString("FORM", "Title", "Form"));
    form.setWindowPosition(ini.readInt("FORM", "Left", 0), ini.readInt("FORM", "Top", 0));
    Status status;
    for (const std::string& section : ini.sectionNames()) {
        if (section == "FORM") continue;
        status = sections.readSection(ini, section, context);
        if (!status) break;
    }
    context.engine.rebuildComponentList(form);
    return status;
}

Status loadFormFile(const std::filesystem::path& path, const FormSections& sections,
                    SectionReadContext& context) {
    IniFile ini;
    FileStamp stamp;
    if (Status s = ini.load(path, &stamp); !s) return s;
    context.form.setFilePath(path);
    context.form.disk().note(stamp);
    return loadFormIni(ini, sections, context);
}

} // namespace ornadeck
