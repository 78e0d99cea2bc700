#include "cclib/CControlsEngine.h"
#include "cclib/CControlsFormSections.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace ornadeck;

// A form of 500 controls of every kind, as text.
std::string bigFormText() {
    Workspace workspace;
    SilentUi ui;
    CControlsEngine engine(workspace, ui);
    Form form("Big");
    const char* tools[] = {"Button",  "Label", "CheckBox", "Switch", "Edit", "EditLine",
                           "ListBox", "Radio", "DropDown", "PopUp",  "Image"};
    for (int i = 0; i < 500; ++i) {
        workspace.tool = tools[i % 11];
        engine.createControl(form, i % 150, (i * 7) % 150, &form.surface());
    }
    return formToIni(form, CControlsFormSections()).toText();
}

void BM_LoadForm500(benchmark::State& state) {
    const std::string text = bigFormText();
    const CControlsFormSections sections;
    for (auto _ : state) {
        Workspace workspace;
        SilentUi ui;
        CControlsEngine engine(workspace, ui);
        Form form("Big");
        SectionReadContext ctx{form, workspace, engine};
        benchmark::DoNotOptimize(loadFormIni(IniFile::parse(text), sections, ctx));
    }
}
BENCHMARK(BM_LoadForm500)->Unit(benchmark::kMicrosecond);

void BM_SaveForm500(benchmark::State& state) {
    const std::string text = bigFormText();
    const CControlsFormSections sections;
    Workspace workspace;
    SilentUi ui;
    CControlsEngine engine(workspace, ui);
    Form form("Big");
    SectionReadContext ctx{form, workspace, engine};
    (void)loadFormIni(IniFile::parse(text), sections, ctx);
    for (auto _ : state)
        benchmark::DoNotOptimize(formToIni(form, sections).toText());
}
BENCHMARK(BM_SaveForm500)->Unit(benchmark::kMicrosecond);

} // namespace
