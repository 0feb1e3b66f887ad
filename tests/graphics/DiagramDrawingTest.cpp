#include "graphics/DiagramDrawing.h"

#include "RecordingCanvas.h"
#include "graphics/SchemeDrawing.h"
#include "model/Numbers.h"
#include "statics/Statics.h"
#include "statics/StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddSpanLoad;
using statics_test::MakeBeam;
using testing::RecordingCanvas;

// Statics results written by hand: samples every metre, the moment and shear given per sample
// (no jumps), the beam maxima from them.
void SetResults(TBeam& beam, size_t spanIndex, const std::vector<float>& moments,
                const std::vector<float>& shears) {
    TSpan& span = beam.Spans.at(spanIndex);
    for (size_t k = 0; k < moments.size(); ++k) {
        span.SampleX.push_back(static_cast<int32_t>(k) * 1000);
        span.M.push_back(moments[k]);
        span.QLeft.push_back(shears[k]);
        span.QRight.push_back(shears[k]);
        span.QSeries.push_back(shears[k]);
        beam.MaxAbsM = std::max(beam.MaxAbsM, std::abs(moments[k]));
        beam.MaxAbsQ = std::max(beam.MaxAbsQ, std::abs(shears[k]));
    }
    span.MA = moments.front();
    span.MB = moments.back();
}

// A simply supported 6 m span under 1000 kg/m: M = w x (L - x) / 2, Q = w (L/2 - x),
// wL^2/8 = 4500 kg*m at mid-span, wL/2 = 3000 kg at the supports.
TBeam UniformlyLoadedSpan() {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    SetResults(beam, 0, {0, 2500, 4000, 4500, 4000, 2500, 0},
               {3000, 2000, 1000, 0, -1000, -2000, -3000});
    beam.Spans[0].XMax = 3000;
    beam.Spans[0].MMax = 4500;
    return beam;
}

class DiagramDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    // The diagrams alone, after the scheme has set the scale.
    void Draw(TBeam& beam) {
        DrawScheme(beam, style, canvas);
        canvas.Clear();
        DrawDiagrams(beam, style, canvas);
    }

    DrawingStyle style;
    RecordingCanvas canvas{594, 449};
};

TEST_F(DiagramDrawingTest, PlacesTheBandsOfA449PixelPicture) {
    const DiagramBand moment = MomentBand(style, 449);
    EXPECT_EQ(moment.Height, 134);
    EXPECT_EQ(moment.CaptionY, 152);
    EXPECT_EQ(moment.ZeroY, 233);
    EXPECT_EQ(moment.Reach, 53);
    const DiagramBand shear = ShearBand(style, 449);
    EXPECT_EQ(shear.Height, 133);
    EXPECT_EQ(shear.CaptionY, 300);
    EXPECT_EQ(shear.ZeroY, 380);
    EXPECT_EQ(shear.Reach, 52);
}

TEST_F(DiagramDrawingTest, DrawsOnlyCaptionsAndZeroLinesForAnUnloadedBeam) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    SetResults(beam, 0, {0, 0.0004f, 0}, {0.0009f, 0, -0.0009f});

    Draw(beam);

    ASSERT_EQ(canvas.Texts.size(), 2u);
    EXPECT_EQ(canvas.Texts[0].Text, "Эпюра М, кг*м.");
    EXPECT_EQ(canvas.Texts[0].At, (PixelPoint{21, 152}));
    EXPECT_EQ(canvas.Texts[0].Color, style.MomentColor);
    EXPECT_EQ(canvas.Texts[1].Text, "Эпюра Q, кг.");
    EXPECT_EQ(canvas.Texts[1].At, (PixelPoint{21, 300}));
    EXPECT_EQ(canvas.Texts[1].Color, style.ShearColor);
    ASSERT_EQ(canvas.Lines.size(), 2u);
    // Thick zero lines up to 21 + 1 + 554.
    EXPECT_EQ(canvas.Lines[0].From, (PixelPoint{21, 233}));
    EXPECT_EQ(canvas.Lines[0].To, (PixelPoint{576, 233}));
    EXPECT_EQ(canvas.Lines[0].PenWidth, 3);
    EXPECT_EQ(canvas.Lines[1].From, (PixelPoint{21, 380}));
    EXPECT_EQ(canvas.Lines[1].PenWidth, 3);
    EXPECT_TRUE(canvas.Boxes.empty());
}

TEST_F(DiagramDrawingTest, HangsTheSaggingMomentBelowItsZeroLineWithTheSpanExtreme) {
    TBeam beam = UniformlyLoadedSpan();

    Draw(beam);

    // 4500 reaches the full 53 pixels below 233; written at (298 + 2, 286 + 2). The end
    // moments are 0 and not written.
    const std::vector<std::string> momentTexts = {"Эпюра М, кг*м.", "4500"};
    std::vector<std::string> texts;
    for (const testing::RecordedText& text : canvas.Texts) {
        if (text.At.Y < 300) {
            texts.push_back(text.Text);
        }
    }
    EXPECT_EQ(texts, momentTexts);
    EXPECT_EQ(canvas.TextsAtRow(288), (std::vector<std::string>{"4500"}));
    EXPECT_EQ(canvas.Texts[1].At.X, 300);
    // The extreme's ordinate, from the curve down to the zero line.
    const bool extremeOrdinate =
        std::any_of(canvas.Lines.begin(), canvas.Lines.end(), [](const auto& line) {
            return line.From == PixelPoint{298, 286} && line.To == PixelPoint{298, 233};
        });
    EXPECT_TRUE(extremeOrdinate);
}

TEST_F(DiagramDrawingTest, WritesTheEndShearsAboveAndBelowTheirZeroLine) {
    TBeam beam = UniformlyLoadedSpan();

    Draw(beam);

    // 3000 kg reaches 52 pixels from 380: +3000 at y 328 (text 14 above), -3000 at 432 (text 2
    // below), the last one ending 2 pixels left of the beam's end: 575 - 2 - 5 * 7.
    ASSERT_EQ(canvas.TextsAtRow(314), (std::vector<std::string>{"3000"}));
    ASSERT_EQ(canvas.TextsAtRow(434), (std::vector<std::string>{"-3000"}));
    const auto at = [&](const std::string& text) {
        return std::find_if(canvas.Texts.begin(), canvas.Texts.end(),
                            [&](const auto& t) { return t.Text == text; })
            ->At.X;
    };
    EXPECT_EQ(at("3000"), 23);
    EXPECT_EQ(at("-3000"), 538);
}

TEST_F(DiagramDrawingTest, DrawsTheShearAtAFreeEndAsZero) {
    TBeam beam = MakeBeam({2000, 4000}, SupportFree, SupportHinge);
    // Rounding left -0.5 kg at the free end.
    SetResults(beam, 0, {0, -500, -2000}, {-0.5f, -1000, -2000});
    SetResults(beam, 1, {-2000, 0, 1000, 0, 0}, {2500, 1500, 0, -1000, -1500});

    Draw(beam);

    const testing::RecordedLine* freeEnd = nullptr;
    for (const testing::RecordedLine& line : canvas.Lines) {
        if (line.From == PixelPoint{21, 380} && line.PenWidth == 1) {
            freeEnd = &line;
            break;
        }
    }
    ASSERT_NE(freeEnd, nullptr);
    EXPECT_EQ(freeEnd->To, (PixelPoint{21, 380}));
    for (const testing::RecordedText& text : canvas.Texts) {
        EXPECT_NE(text.Text, "-0,5");
    }
}

TEST_F(DiagramDrawingTest, StepsTheShearAtAPointLoad) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    // 1000 kg at mid-span: +500 left of it, -500 right of it.
    SetResults(beam, 0, {0, 1500, 0}, {500, 500, -500});
    TSpan& span = beam.Spans[0];
    span.SampleX = {0, 3000, 6000};
    span.QRight[1] = -500;

    Draw(beam);

    // 500 kg reaches 52 pixels: the interval before ends at 380 - 52, the one after starts at
    // 380 + 52, both in the column of the load, 21 + 277.
    const auto drawn = [&](PixelPoint from, PixelPoint to) {
        return std::any_of(canvas.Lines.begin(), canvas.Lines.end(),
                           [&](const auto& line) { return line.From == from && line.To == to; });
    };
    EXPECT_TRUE(drawn({21, 328}, {298, 328}));
    EXPECT_TRUE(drawn({298, 380}, {298, 432}));
}

TEST_F(DiagramDrawingTest, WritesOnlyTheSpanExtremeOfASimpleSpanAfterTheStatics) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {1000});
    RunStatics(beam);

    Draw(beam);

    // w L^2 / 8 = 4500 at mid-span, 53 pixels below 233; w L / 2 = 3000 at the supports.
    EXPECT_EQ(canvas.TextsAtRow(288), (std::vector<std::string>{"4500"}));
    EXPECT_EQ(canvas.TextsAtRow(314), (std::vector<std::string>{"3000"}));
    EXPECT_EQ(canvas.TextsAtRow(434), (std::vector<std::string>{"-3000"}));
    EXPECT_EQ(canvas.Texts.size(), 5u); // two captions and three values
}

TEST_F(DiagramDrawingTest, StartsTheShearAtZeroAtAFreeEndAfterTheStatics) {
    TBeam beam = MakeBeam({1500, 4500}, SupportFree, SupportHinge);
    AddBeamLoad(beam, {400});
    RunStatics(beam);

    Draw(beam);

    const auto ordinateFromFreeEnd =
        std::find_if(canvas.Lines.begin(), canvas.Lines.end(), [](const auto& line) {
            return line.From == PixelPoint{21, 380} && line.PenWidth == 1;
        });
    ASSERT_NE(ordinateFromFreeEnd, canvas.Lines.end());
    EXPECT_EQ(ordinateFromFreeEnd->To, (PixelPoint{21, 380}));
    // Cantilever moment w a^2 / 2 = 450 over the first support, hogging: above the zero line.
    bool supportMoment = false;
    for (const testing::RecordedText& text : canvas.Texts) {
        supportMoment = supportMoment || (text.Text == "-450" && text.At.Y < 233);
    }
    EXPECT_TRUE(supportMoment);
}

TEST_F(DiagramDrawingTest, LabelsTheRightEndWithTheMomentItDraws) {
    // A 6 m span fixed at its right end under 250 kg/m: the end moment is -w L^2 / 8 = -1125.
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportFixed);
    AddSpanLoad(beam, 0, {250});
    RunStatics(beam);
    ASSERT_FLOAT_EQ(beam.Spans[0].M.back(), -1125.0f);
    // A design leaves the deflection loads' moment in MB; the diagram still draws -1125.
    beam.Spans[0].MB = -1000.0f;

    Draw(beam);

    std::vector<std::string> texts;
    for (const testing::RecordedText& text : canvas.Texts) {
        texts.push_back(text.Text);
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "-1125"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "-1000"), texts.end());
}

} // namespace
} // namespace balka
