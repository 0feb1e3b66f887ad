// The benchmarks' start: the drawing benchmarks paint on the toolkit's off-screen raster, whose
// text needs a running (display-less) graphics application.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
