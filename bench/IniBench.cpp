#include "model/IniFile.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// A form-sized document: 500 sections of a dozen keys.
std::string bigIni() {
    std::string text;
    for (int s = 0; s < 500; ++s) {
        text += "[Control" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 12; ++k)
            text += "Key" + std::to_string(k) + "=" + std::to_string(s * k) + "\r\n";
    }
    return text;
}

void BM_IniParse(benchmark::State& state) {
    const std::string text = bigIni();
    for (auto _ : state)
        benchmark::DoNotOptimize(ornadeck::IniFile::parse(text));
}
BENCHMARK(BM_IniParse);

void BM_IniToText(benchmark::State& state) {
    const auto ini = ornadeck::IniFile::parse(bigIni());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.toText());
}
BENCHMARK(BM_IniToText);

} // namespace
