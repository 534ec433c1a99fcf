// The background editor redraws its preview on every move of a scroll bar; a move
// must feel immediate (goal: under 5 ms for a texture or a pattern).
#include "symbols/ConfigModel.h"
#include "symbols/Texturen.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Textuur(benchmark::State &state) {
    const int index = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Texturen::textuur(index));
}
BENCHMARK(BM_Textuur)->DenseRange(0, Texturen::kAantal - 1)->Unit(benchmark::kMicrosecond);

void BM_PatroonOverTextuur(benchmark::State &state) {
    ConfigModel tegel;
    tegel.zetCombineren(true);
    const int patroon = int(state.range(0));
    for (auto _ : state) {
        tegel.kiesPatroon(patroon);
        benchmark::DoNotOptimize(tegel.voorbeeld().image().constBits());
    }
}
BENCHMARK(BM_PatroonOverTextuur)->Arg(2)->Arg(6)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace
