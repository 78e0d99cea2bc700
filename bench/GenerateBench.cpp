#include "BigProject.h"
#include "codegen/Generation.h"
#include "codegen/ThreeWayMerge.h"

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

// The merge that follows each generation once files exist, on the same project: the user
// wrote a line after every Nth line (the second argument), the design changed every 2Nth.
void BM_Merge50Forms5000Controls(benchmark::State& state) {
    const auto library = static_cast<Library>(state.range(0));
    const auto every = static_cast<std::size_t>(state.range(1));
    const bench::BigProject project(library, 50, 100);
    FormList forms;
    for (const auto& f : project.forms)
        forms.push_back(f.get());
    const GeneratedTexts texts =
        generateTexts(*makeGenerator(library), GenerationSettings{}, forms, "Big");
    struct File {
        std::string base, ours, theirs;
    };
    std::vector<File> files;
    for (const Lines* lines : {&texts.main, &texts.forms, &texts.events, &texts.header}) {
        Lines ours = *lines, theirs = *lines;
        for (std::size_t i = 0; i < theirs.size(); i += 2 * every)
            theirs[i] += " // changed";
        for (std::size_t i = ours.size(); i-- > 0;)
            if (i % every == every / 2) ours.insert(ours.begin() + static_cast<long>(i), "  mine();");
        files.push_back(
            {generatedFileBytes(*lines), generatedFileBytes(ours), generatedFileBytes(theirs)});
    }
    for (auto _ : state)
        for (const File& f : files)
            benchmark::DoNotOptimize(mergeThreeWay(f.base, f.ours, f.theirs));
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_Merge50Forms5000Controls)
    ->ArgsProduct({{1, 2}, {50, 500}})
    ->Unit(benchmark::kMillisecond);

} // namespace
