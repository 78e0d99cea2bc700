#include "designer/FormSnapshot.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormSections.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ornadeck;

// A CControls form of 500 controls of every kind, every one marked, as undo meets it.
struct BigForm {
    BigForm() {
        const char* tools[] = {"Button",  "Label", "CheckBox", "Switch", "Edit", "EditLine",
                               "ListBox", "Radio", "DropDown", "PopUp",  "Image"};
        Engine& engine = *kits.current().engine;
        for (int i = 0; i < 500; ++i) {
            workspace.tool = tools[i % 11];
            engine.createControl(form, i % 150, (i * 7) % 150, &form.surface());
        }
        for (Control* c : form.surfaceControls())
            engine.setSelected(*c, true, true);
    }
    Workspace workspace;
    SilentUi ui;
    LibraryKits kits{workspace, ui};
    Form form{"Big"};
};

void BM_Snapshot500(benchmark::State& state) {
    BigForm big;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            captureForm(big.form, big.workspace, *big.kits.current().sections));
}
BENCHMARK(BM_Snapshot500)->Unit(benchmark::kMicrosecond);

void BM_Restore500(benchmark::State& state) {
    BigForm big;
    const FormSnapshot snapshot =
        captureForm(big.form, big.workspace, *big.kits.current().sections);
    SectionReadContext context{big.form, big.workspace, *big.kits.current().engine};
    for (auto _ : state)
        (void)restoreForm(snapshot, *big.kits.current().sections, context);
}
BENCHMARK(BM_Restore500)->Unit(benchmark::kMicrosecond);

} // namespace
