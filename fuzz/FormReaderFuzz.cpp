// libFuzzer target: any bytes, read as a form file of either library, must load or fail
// cleanly, and whatever loaded must save again.
#include "cclib/CControlsEngine.h"
#include "cclib/CControlsFormSections.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/TextEncoding.h"
#include "model/Workspace.h"
#include "ptlib/PToolboxEngine.h"
#include "ptlib/PToolboxFormSections.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace ornadeck;

template <class EngineT, class SectionsT> void readAndWrite(const IniFile& ini) {
    Workspace workspace;
    SilentUi ui;
    EngineT engine(workspace, ui);
    Form form;
    const SectionsT sections;
    SectionReadContext ctx{form, workspace, engine};
    (void)loadFormIni(ini, sections, ctx);
    (void)formToIni(form, sections).toText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    const IniFile ini = IniFile::parse(text);
    readAndWrite<CControlsEngine, CControlsFormSections>(ini);
    readAndWrite<PToolboxEngine, PToolboxFormSections>(ini);
    return 0;
}
