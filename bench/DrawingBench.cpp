// Drawing timings on the long 30-span beam: the scheme and both diagrams as the main window
// draws them (on the toolkit's off-screen raster, and on a canvas that only records the calls,
// which is the drawing code's own share), and the report picture with its JPEG encoding.
#include "BenchBeams.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingStyle.h"
#include "graphics/JpegWriter.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/ReportPicture.h"
#include "graphics/SchemeDrawing.h"
#include "model/Numbers.h"
#include "ui/QtCanvas.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

namespace balka {
namespace {

using namespace bench;

// The main window's drawing area at its start size.
constexpr int32_t kScreenWidth = 594;
constexpr int32_t kScreenHeight = 440;

template <typename Picture> void DrawLongBeam(benchmark::State& state, Picture& picture) {
    LongBeamBench fixture;
    Workspace& ws = fixture.Ws;
    DrawingStyle style;
    SetScreenColors(style, {240, 240, 240});
    for (auto _ : state) {
        if constexpr (std::is_same_v<Picture, testing::RecordingCanvas>) {
            picture.Clear();
        }
        if (DrawScheme(ws.Beam, style, picture) == SchemeResult::Continue) {
            DrawDiagrams(ws.Beam, style, picture);
        }
        benchmark::DoNotOptimize(picture.Pixel({1, 1}));
    }
}

void BM_DrawLongBeamQtCanvas(benchmark::State& state) {
    QtCanvas picture(kScreenWidth, kScreenHeight);
    DrawLongBeam(state, picture);
}
BENCHMARK(BM_DrawLongBeamQtCanvas)->Unit(benchmark::kMicrosecond);

void BM_DrawLongBeamRecordingCanvas(benchmark::State& state) {
    testing::RecordingCanvas picture(kScreenWidth, kScreenHeight);
    DrawLongBeam(state, picture);
}
BENCHMARK(BM_DrawLongBeamRecordingCanvas)->Unit(benchmark::kMicrosecond);

// What the design calculation adds for its report: the picture drawn in the report colours and
// encoded as JPEG (the file write itself left out).
void BM_ReportPictureLongBeam(benchmark::State& state) {
    LongBeamBench fixture;
    Workspace& ws = fixture.Ws;
    DrawingStyle style;
    SetReportColors(style);
    QtCanvas picture(ReportPictureWidth, ReportPictureHeight);
    for (auto _ : state) {
        if (DrawScheme(ws.Beam, style, picture) == SchemeResult::Continue) {
            DrawDiagrams(ws.Beam, style, picture);
        }
        const std::string jpeg = EncodeJpeg(picture);
        benchmark::DoNotOptimize(jpeg.data());
    }
}
BENCHMARK(BM_ReportPictureLongBeam)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace balka
