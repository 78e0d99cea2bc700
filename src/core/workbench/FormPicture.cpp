#include "workbench/FormPicture.h"

#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/Workspace.h"
#include "render/FormRenderer.h"
#include "render/PalmFonts.h"

namespace ornadeck {

Image formFilePicture(const IniFile& ini, Library library, const PalmFonts& fonts, Ui& ui,
                      bool device, Status& readStatus) {
    Workspace workspace;
    workspace.library = library;
    LibraryKits kits(workspace, ui);
    Form form(ini.readString("FORM", "Name", "Form"), &fonts);
    SectionReadContext context{form, workspace, *kits.current().engine};
    readStatus = loadFormIni(ini, *kits.current().sections, context);
    // What the designer shows carries no selection marks.
    kits.current().engine->clearSelection(form);
    const FormRenderer renderer(fonts);
    return device ? renderer.designer(form) : renderer.surface(form);
}

} // namespace ornadeck
