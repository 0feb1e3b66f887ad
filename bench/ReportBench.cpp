// Report and command-line timings: the composition of the calculation report of the long
// 30-span beam, and the whole work of a command-line calculation of the example floor beam
// inside the process (reading the reference files and the project, the statics, the design
// and the summary; the process start is measured by the README's perf figures).
#include "BenchBeams.h"
#include "design/DesignCalculation.h"
#include "model/Numbers.h"
#include "project/CommandLine.h"
#include "report/ComposeReport.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace balka {
namespace {

using namespace bench;

void BM_ComposeReportLongBeam(benchmark::State& state) {
    LongBeamBench fixture;
    Workspace& ws = fixture.Ws;
    TDesignInput input;
    input.Material = {32, 3, 14000};
    input.Width = 75;
    input.Height = 400;
    input.Count = 2;
    RunDesignCalculation(ws.Beam, ws.BeamCalc, input);
    for (auto _ : state) {
        const std::string report =
            ComposeReport(TReportInput{ws.Beam, ws.BeamCalc, input, ws.Loads.Grid});
        benchmark::DoNotOptimize(report.data());
    }
}
BENCHMARK(BM_ComposeReportLongBeam)->Unit(benchmark::kMicrosecond);

void BM_CommandLineFloorBeam(benchmark::State& state) {
    SetDecimalSeparator(',');
    CommandLineSetup setup;
    setup.Folders = BuildTreeFolders(BALKA_SOURCE_DIR);
    const std::vector<std::string> args = {"--calc", std::string(BALKA_SOURCE_DIR) +
                                                         "/examples/Перекрытие.lvl"};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(RunCommandLine(args, out, err, setup));
    }
}
BENCHMARK(BM_CommandLineFloorBeam)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace balka
