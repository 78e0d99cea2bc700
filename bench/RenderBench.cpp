#include "BigProject.h"
#include "model/SilentUi.h"
#include "render/FormRenderer.h"
#include "render/PalmFonts.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ornadeck;

// The whole 160 x 160 screen of a form with 100 controls of every kind; the argument is the
// library number.
void BM_RenderForm100Controls(benchmark::State& state) {
    const auto library = static_cast<Library>(state.range(0));
    SilentUi ui;
    const PalmFonts fonts = PalmFonts::load(ORNADECK_SOURCE_DIR "/fonts", ui);
    bench::BigProject project(library, 1, 100);
    project.forms.front()->setMetrics(&fonts);
    const FormRenderer renderer(fonts);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.surface(*project.forms.front()));
}
BENCHMARK(BM_RenderForm100Controls)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
