// Design timings on the long 30-span beam: one calculation of a section, and one selection
// over a catalogue of 40 widths by 40 heights, every size available (1600 candidates).
#include "BenchBeams.h"
#include "design/DesignCalculation.h"
#include "design/SectionSelection.h"
#include "model/Numbers.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

namespace balka {
namespace {

using bench::LongBeamBench;

TDesignInput LongBeamInput() {
    TDesignInput input;
    input.Material = {32, 3, 14000};
    input.Width = 75;
    input.Height = 400;
    input.Count = 2;
    return input;
}

SectionCatalogue SquareCatalogue(int32_t sizes) {
    SectionCatalogue catalogue;
    for (int32_t i = 0; i < sizes; ++i) {
        catalogue.Widths.push_back(30 + 5 * i);
        catalogue.Heights.push_back(100 + 20 * i);
    }
    catalogue.Marks.assign(static_cast<size_t>(sizes),
                           std::vector<SizeMark>(static_cast<size_t>(sizes), SizeMark::Available));
    return catalogue;
}

void BM_DesignCalculationLongBeam(benchmark::State& state) {
    LongBeamBench fixture;
    Workspace& ws = fixture.Ws;
    const TDesignInput input = LongBeamInput();
    for (auto _ : state) {
        const TDesignOutcome outcome = RunDesignCalculation(ws.Beam, ws.BeamCalc, input);
        benchmark::DoNotOptimize(outcome.Lines.data());
    }
}
BENCHMARK(BM_DesignCalculationLongBeam)->Unit(benchmark::kMicrosecond);

void BM_Selection40x40LongBeam(benchmark::State& state) {
    LongBeamBench fixture;
    Workspace& ws = fixture.Ws;
    const TDesignInput input = LongBeamInput();
    const SectionCatalogue catalogue = SquareCatalogue(40);
    for (auto _ : state) {
        const SelectionChartData chart =
            RunSelection({ws.Beam, ws.BeamCalc, input, fixture.Sink}, catalogue);
        benchmark::DoNotOptimize(chart.Codes.data());
    }
}
BENCHMARK(BM_Selection40x40LongBeam)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace balka
