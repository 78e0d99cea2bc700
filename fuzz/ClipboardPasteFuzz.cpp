// libFuzzer target: any bytes as clipboard text, pasted into a form of either library whose
// tested dialog is selected. A paste must create the control whole or nothing, and the form
// must then copy, file and generate as any other.
#include "codegen/Generation.h"
#include "designer/Clipboard.h"
#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace ornadeck;

void pasteInto(Library library, std::string_view text) {
    Workspace workspace;
    workspace.library = library;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    Form& form = *workspace.forms.emplace_back(std::make_unique<Form>("Form1"));
    FormEditor window(workspace, ui, kits, form);
    window.activate();
    workspace.tool = "Dialog";
    window.surfaceMouseUp(form.surface(), MouseButton::Left, 0, 0);
    if (!workspace.selected.control || !workspace.selected.control->isDialog()) std::abort();

    Clipboard clipboard(workspace, kits);
    const int counter = workspace.nameCounter;
    const std::size_t before = form.surfaceControls().size();
    const bool pasted = clipboard.paste(window, text);
    // All or nothing: nothing made and no number used, or a new control selected.
    if (!pasted && (form.surfaceControls().size() != before || workspace.nameCounter != counter))
        std::abort();
    if (pasted &&
        (workspace.selected.control == nullptr || !form.contains(workspace.selected.control)))
        std::abort();
    if (auto copied = clipboard.copy()) (void)clipboard.paste(window, *copied);
    (void)formToIni(form, *kits.current().sections).toText();
    (void)generateTexts(*makeGenerator(library), GenerationSettings{}, {&form}, "Fuzz");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    pasteInto(Library::CControls, text);
    pasteInto(Library::PToolboxLib, text);
    return 0;
}
