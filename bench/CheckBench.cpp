#include "BigProject.h"
#include "check/Checks.h"
#include "render/PalmFonts.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ornadeck;

// Every check over a 50-form, 5,000-control project, measured with the Palm fonts; the
// argument is the library number. It runs after edits in the app, so it must stay quick.
void BM_Check50Forms5000Controls(benchmark::State& state) {
    const auto library = static_cast<Library>(state.range(0));
    const bench::BigProject project(library, 50, 100);
    SilentUi ui;
    const PalmFonts fonts = PalmFonts::load(ORNADECK_SOURCE_DIR "/fonts", ui);
    const TextGauge gauge(fonts);
    CheckSubject subject;
    subject.library = library;
    for (const auto& f : project.forms)
        subject.forms.push_back(f.get());
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<Finding> findings = runChecks(subject, gauge);
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["findings"] = static_cast<double>(found);
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_Check50Forms5000Controls)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
