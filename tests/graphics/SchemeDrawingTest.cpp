#include "graphics/SchemeDrawing.h"

#include "RecordingCanvas.h"
#include "model/Numbers.h"
#include "statics/StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddPartLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::MakeBeam;
using testing::BoxKind;
using testing::RecordingCanvas;

class SchemeDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
    DrawingStyle style;
};

TEST_F(SchemeDrawingTest, ScalesSixMetresOnto554Pixels) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    RecordingCanvas canvas(594, 449);

    EXPECT_EQ(DrawScheme(beam, style, canvas), SchemeResult::Continue);

    EXPECT_FLOAT_EQ(style.Scale, 6000.0f / 554.0f);
    // The beam line: three rows of pixels from x0 = 21 to xe = 21 + 554 = 575.
    for (int32_t row = 0; row < 3; ++row) {
        const testing::RecordedLine& line = canvas.Lines.at(static_cast<size_t>(row));
        EXPECT_EQ(line.From, (PixelPoint{21, 80 + row}));
        EXPECT_EQ(line.To, (PixelPoint{576, 80 + row}));
        EXPECT_EQ(line.PenWidth, 1);
    }
}

TEST_F(SchemeDrawingTest, ClearsThePictureAndStopsWithoutSpans) {
    TBeam beam;
    RecordingCanvas canvas(594, 449);

    EXPECT_EQ(DrawScheme(beam, style, canvas), SchemeResult::Stop);

    ASSERT_EQ(canvas.Boxes.size(), 1u);
    EXPECT_EQ(canvas.Boxes[0].Box, (PixelRect{0, 0, 594, 449}));
    EXPECT_EQ(canvas.Boxes[0].Fill, style.BackColor);
    EXPECT_TRUE(canvas.Lines.empty());
    EXPECT_TRUE(canvas.Texts.empty());
}

// Support symbols found on the picture, by column: a pinned support has one hinge circle, a
// roller two, a fixed end is a solid block (its column is the block's left edge).
std::string Supports(const RecordingCanvas& canvas, const DrawingStyle& style) {
    std::map<int32_t, int32_t> circles;
    std::string found;
    for (const testing::RecordedBox& box : canvas.Boxes) {
        if (box.Kind == BoxKind::Ellipse) {
            ++circles[box.Box.Left + 4];
        } else if (box.Kind == BoxKind::Rectangle && box.Fill == style.SchemeColor &&
                   box.Box.Bottom - box.Box.Top == 24) {
            found += "F" + std::to_string(box.Box.Left) + " ";
        }
    }
    for (const auto& [x, count] : circles) {
        found += (count == 1 ? "P" : "R") + std::to_string(x) + " ";
    }
    return found;
}

struct SupportCase {
    const char* name;
    std::vector<int32_t> lengths;
    int32_t left;
    int32_t right;
    const char* supports;
    SchemeResult result;
};

void PrintTo(const SupportCase& c, std::ostream* out) {
    *out << c.name;
}

class SupportSymbolsTest : public SchemeDrawingTest,
                           public ::testing::WithParamInterface<SupportCase> {};

TEST_P(SupportSymbolsTest, DrawsTheLeftmostRealSupportPinnedAndTheOthersAsRollers) {
    const SupportCase& c = GetParam();
    TBeam beam = MakeBeam(c.lengths, c.left, c.right);
    RecordingCanvas canvas(594, 449);

    EXPECT_EQ(DrawScheme(beam, style, canvas), c.result);
    EXPECT_EQ(Supports(canvas, style), c.supports);
}

// 554 pixels over the beam; the supports stand at 21 + position / Scale.
INSTANTIATE_TEST_SUITE_P(Ends, SupportSymbolsTest,
                         ::testing::Values(SupportCase{"HingeAndHinge",
                                                       {6000},
                                                       SupportHinge,
                                                       SupportHinge,
                                                       "P21 R575 ",
                                                       SchemeResult::Continue},
                                           SupportCase{"FixedBothEndsTwoSpans",
                                                       {3000, 3000},
                                                       SupportFixed,
                                                       SupportFixed,
                                                       "F12 F575 R298 ",
                                                       SchemeResult::Continue},
                                           SupportCase{"LeftCantileverThreeSpans",
                                                       {2000, 2000, 2000},
                                                       SupportFree,
                                                       SupportHinge,
                                                       "P205 R390 R575 ",
                                                       SchemeResult::Continue},
                                           SupportCase{"HingeAndCantileverStops",
                                                       {6000},
                                                       SupportHinge,
                                                       SupportFree,
                                                       "P21 ",
                                                       SchemeResult::Stop},
                                           SupportCase{"CantileverAndHingeStops",
                                                       {6000},
                                                       SupportFree,
                                                       SupportHinge,
                                                       "R575 ",
                                                       SchemeResult::Stop},
                                           SupportCase{"TwoSpansOnOneSupportStop",
                                                       {3000, 3000},
                                                       SupportFree,
                                                       SupportFree,
                                                       "P298 ",
                                                       SchemeResult::Stop},
                                           SupportCase{"ThreeSpansWithTwoCantileversStand",
                                                       {1000, 4000, 1000},
                                                       SupportFree,
                                                       SupportFree,
                                                       "P113 R482 ",
                                                       SchemeResult::Continue}),
                         [](const ::testing::TestParamInfo<SupportCase>& info) {
                             return info.param.name;
                         });

// The base lines of the load bands and the lengths of the bars, in the order drawn.
struct LoadStack {
    std::vector<int32_t> BandBases;
    std::vector<int32_t> BarLengths;
};

LoadStack StackOf(const RecordingCanvas& canvas, const DrawingStyle& style) {
    LoadStack stack;
    for (const testing::RecordedBox& box : canvas.Boxes) {
        if (box.Kind != BoxKind::Rectangle) {
            continue;
        }
        if (box.Fill == style.LoadFillColor) {
            stack.BandBases.push_back(box.Box.Bottom);
        } else if (box.Fill == style.PointLoadColor) {
            stack.BarLengths.push_back(box.Box.Bottom - box.Box.Top);
        }
    }
    return stack;
}

// A load of 100 of the given kind; a part-span load from 1 m to 3 m.
void AddOfKind(TBeam& beam, int32_t kind) {
    if (kind == LoadWholeBeam) {
        AddBeamLoad(beam, {100});
    } else if (kind == LoadWholeSpan) {
        AddSpanLoad(beam, 0, {100});
    } else {
        AddPartLoad(beam, 0, {100}, 1000, 2000);
    }
}

struct StackCase {
    const char* name;
    std::vector<int32_t> kinds;
    std::vector<int32_t> bandBases;
    int32_t barLength;
};

void PrintTo(const StackCase& c, std::ostream* out) {
    *out << c.name;
}

class LoadStackTest : public SchemeDrawingTest, public ::testing::WithParamInterface<StackCase> {};

TEST_P(LoadStackTest, StacksTheBandsAndLengthensTheBars) {
    const StackCase& c = GetParam();
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    for (const int32_t kind : c.kinds) {
        AddOfKind(beam, kind);
    }
    AddPointLoad(beam, 0, {500}, 4000);
    RecordingCanvas canvas(594, 449);

    DrawScheme(beam, style, canvas);

    const LoadStack stack = StackOf(canvas, style);
    EXPECT_EQ(stack.BandBases, c.bandBases);
    EXPECT_EQ(stack.BarLengths, (std::vector<int32_t>{c.barLength}));
}

// Bands are 20 pixels high; a kind moves up only for the kinds present below it.
INSTANTIATE_TEST_SUITE_P(
    Kinds, LoadStackTest,
    ::testing::Values(
        StackCase{"OnlyPointLoads", {}, {}, 33},
        StackCase{"WholeSpanAndPartSpan", {LoadWholeSpan, LoadPartSpan}, {79, 59}, 73},
        StackCase{"PartSpanAlone", {LoadPartSpan}, {79}, 53},
        StackCase{"WholeBeamAndPartSpan", {LoadWholeBeam, LoadPartSpan}, {79, 59}, 53},
        StackCase{"WholeBeamAndWholeSpan", {LoadWholeBeam, LoadWholeSpan}, {79, 59}, 53}),
    [](const ::testing::TestParamInfo<StackCase>& info) { return info.param.name; });

TEST_F(SchemeDrawingTest, StacksAllThreeBandKindsOneAboveAnother) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPartLoad(beam, 0, {300}, 1000, 2000);
    AddSpanLoad(beam, 0, {200});
    AddBeamLoad(beam, {100});
    RecordingCanvas canvas(594, 449);

    DrawScheme(beam, style, canvas);

    std::vector<std::pair<int32_t, int32_t>> bands; // (base line, left column)
    for (const testing::RecordedBox& box : canvas.Boxes) {
        if (box.Kind == BoxKind::Rectangle && box.Fill == style.LoadFillColor) {
            bands.emplace_back(box.Box.Bottom, box.Box.Left);
        }
    }
    // Whole beam at 79, whole span at 59, part span (from 1 m: 21 + 92 = 113) at 39.
    std::sort(bands.begin(), bands.end(), std::greater<>());
    const std::vector<std::pair<int32_t, int32_t>> expected = {{79, 21}, {59, 21}, {39, 113}};
    EXPECT_EQ(bands, expected);
}

TEST_F(SchemeDrawingTest, MergesEqualLoadsIntoOneLabelEveryTimeItDraws) {
    TBeam beam = MakeBeam({3000, 3000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 1, {100});
    AddSpanLoad(beam, 1, {50});
    AddSpanLoad(beam, 0, {70});
    RecordingCanvas canvas(594, 449);

    for (int drawing = 0; drawing < 2; ++drawing) {
        canvas.Clear();
        DrawScheme(beam, style, canvas);
        // A band of 20 pixels on the base line 79: its label's top row is 79 - 9 - 6 - 1.
        EXPECT_EQ(canvas.TextsAtRow(63), (std::vector<std::string>{" 70 ", " 150 (2) "}));
    }
    EXPECT_TRUE(beam.Spans[1].Loads[0].ToDraw);
    EXPECT_FALSE(beam.Spans[1].Loads[1].ToDraw);
}

TEST_F(SchemeDrawingTest, MergesPointLoadsOnlyAtTheSamePosition) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPointLoad(beam, 0, {100}, 2000);
    AddPointLoad(beam, 0, {200}, 3000);
    AddPointLoad(beam, 0, {25}, 2000);
    RecordingCanvas canvas(594, 449);

    DrawScheme(beam, style, canvas);

    // Bars of 33 pixels on 79: labels at 79 - 33 - 2.
    EXPECT_EQ(canvas.TextsAtRow(44), (std::vector<std::string>{"125 (2)", "200"}));
}

TEST_F(SchemeDrawingTest, LabelsTheWholeBeamLoadOnceForAllSpans) {
    TBeam beam = MakeBeam({2000, 2000, 2000}, SupportHinge, SupportHinge);
    AddBeamLoad(beam, {100});
    AddBeamLoad(beam, {20.5f});
    RecordingCanvas canvas(594, 449);

    DrawScheme(beam, style, canvas);

    EXPECT_EQ(canvas.TextsAtRow(63), (std::vector<std::string>{" 120,5 (2) "}));
}

struct SegmentCase {
    const char* name;
    int32_t pointAt;
    std::vector<std::string> segments;
};

void PrintTo(const SegmentCase& c, std::ostream* out) {
    *out << c.name;
}

class SegmentDimensionTest : public SchemeDrawingTest,
                             public ::testing::WithParamInterface<SegmentCase> {};

TEST_P(SegmentDimensionTest, MarksPointsAtLeastTenMillimetresFromTheSupports) {
    const SegmentCase& c = GetParam();
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPointLoad(beam, 0, {100}, c.pointAt);
    RecordingCanvas canvas(594, 449);

    DrawScheme(beam, style, canvas);

    // Segment texts stand on BeamY + 43 - 14, the span's own on BeamY + 63 - 14.
    EXPECT_EQ(canvas.TextsAtRow(109), c.segments);
    EXPECT_EQ(canvas.TextsAtRow(129), (std::vector<std::string>{"6"}));
}

INSTANTIATE_TEST_SUITE_P(
    Points, SegmentDimensionTest,
    ::testing::Values(SegmentCase{"FiveMillimetresFromTheLeft", 5, {}},
                      SegmentCase{"TenMillimetresFromTheLeft", 10, {"0,01", "5,99"}},
                      SegmentCase{"FiveMillimetresFromTheRight", 5995, {}},
                      SegmentCase{"TenMillimetresFromTheRight", 5990, {"5,99", "0,01"}},
                      SegmentCase{"MidSpan", 3000, {"3", "3"}}),
    [](const ::testing::TestParamInfo<SegmentCase>& info) { return info.param.name; });

TEST_F(SchemeDrawingTest, DimensionsPartLoadsWithoutRepeatingSharedPoints) {
    TBeam beam = MakeBeam({6000}, SupportFixed, SupportFree);
    AddPartLoad(beam, 0, {100}, 1000, 2000);
    AddPointLoad(beam, 0, {100}, 3000);
    RecordingCanvas canvas(594, 449);

    DrawScheme(beam, style, canvas);

    EXPECT_EQ(canvas.TextsAtRow(109), (std::vector<std::string>{"1", "2", "3"}));
    // Extension lines at the ends start under the end's symbol: fixed 95, free 85.
    const auto startsAt = [&](PixelPoint from) {
        return std::any_of(canvas.Lines.begin(), canvas.Lines.end(),
                           [&](const testing::RecordedLine& line) { return line.From == from; });
    };
    EXPECT_TRUE(startsAt({21, 95}));
    EXPECT_TRUE(startsAt({575, 85}));
    EXPECT_TRUE(startsAt({113, 85})); // inner point: just below the beam
}

} // namespace
} // namespace balka
