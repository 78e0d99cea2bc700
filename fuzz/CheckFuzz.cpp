// libFuzzer target: any bytes, read as a form file of either library, must go through every
// check without a crash, a hang or undefined behaviour. Seeds: fuzz/corpus.
#include "check/Checks.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/TextEncoding.h"
#include "model/Workspace.h"
#include "shell/LibraryKit.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace ornadeck;

void check(const IniFile& ini, Library library) {
    Workspace workspace;
    workspace.library = library;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    // Two copies, so the checks across forms of one project run too.
    Form first("First"), second("Second");
    for (Form* form : {&first, &second}) {
        SectionReadContext ctx{*form, workspace, *kits.current().engine};
        (void)loadFormIni(ini, *kits.current().sections, ctx);
    }
    CheckSubject subject;
    subject.library = library;
    subject.forms = {&first, &second};
    (void)runChecks(subject, TextGauge());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    const IniFile ini = IniFile::parse(text);
    check(ini, Library::CControls);
    check(ini, Library::PToolboxLib);
    return 0;
}
