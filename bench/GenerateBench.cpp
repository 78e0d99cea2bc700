#include "BigProject.h"
#include "codegen/Generation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ornadeck;

// Generation of a 50-form, 5,000-control project; the argument is the library number.
void BM_Generate50Forms5000Controls(benchmark::State& state) {
    const auto library = static_cast<Library>(state.range(0));
    const bench::BigProject project(library, 50, 100);
    FormList forms;
    for (const auto& f : project.forms)
        forms.push_back(f.get());
    const auto generator = makeGenerator(library);
    const GenerationSettings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(generateTexts(*generator, settings, forms, "Big"));
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_Generate50Forms5000Controls)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
