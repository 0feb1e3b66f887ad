// Recalculation timings: a long 30-span beam with many loads and holes, and the typical
// two-span floor beam.
#include "BenchBeams.h"
#include "model/Numbers.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

namespace balka {
namespace {

using namespace bench;

template <void (*Build)(Workspace&)> void RecalculateRepeatedly(benchmark::State& state) {
    SetDecimalSeparator(',');
    SilentMainView view;
    NullSink sink;
    Workspace ws(view, sink);
    Build(ws);
    for (auto _ : state) {
        ws.Recalculate();
        benchmark::DoNotOptimize(ws.Beam.MaxAbsM);
    }
}

void BM_RecalculateLongBeam(benchmark::State& state) {
    RecalculateRepeatedly<BuildLongBeam>(state);
}
BENCHMARK(BM_RecalculateLongBeam)->Unit(benchmark::kMicrosecond);

void BM_RecalculateTypicalBeam(benchmark::State& state) {
    RecalculateRepeatedly<BuildTypicalBeam>(state);
}
BENCHMARK(BM_RecalculateTypicalBeam)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace balka
