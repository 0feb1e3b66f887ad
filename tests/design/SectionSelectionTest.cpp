// The section selection on one hinged span of 6 m under 200 kg/m (F = 200, γf = 1, Kd = 1, so
// both duration factors are 0.8): M = 200 * 6^2 / 8 = 900 kg*m, R = 32 * 0.8 = 25.6 MPa, so a
// section passes bending when W >= 900 / 2.56 = 352 cm3. Short-term deflection limit L/300 =
// 20 mm; U0 = 5 q L^4 / (384 E I) with q = 2 kg/cm, L = 600 cm and E = 14000 * 0.8 MPa gives
// about 30100 / I cm (I in cm4), a little more after the shear correction. Lp = 0.3 m keeps the
// lateral stability out of the way (φм > 1 for every size here).
//   45 x 200: W = 300 cm3                      -> red
//   45 x 300: W = 675, I = 10125, U ~ 31 mm    -> yellow
//   45 x 400: W = 1200, I = 24000, U ~ 14 mm   -> green
//   75 x 200: W = 500, I = 5000, U ~ 62 mm     -> yellow
//   75 x 300: W = 1125, I = 16875, U ~ 19 mm   -> green
//   75 x 400: not available in the catalogue   -> stays 0
#include "design/SectionSelection.h"

#include "model/Numbers.h"
#include "statics/Statics.h"
#include "statics/StaticsTestBeam.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace balka {
namespace {

using Codes = std::vector<std::vector<int32_t>>;

class SectionSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        beam = statics_test::MakeBeam({6000}, SupportHinge, SupportHinge);
        statics_test::AddSpanLoad(beam, 0, {200, 1, 1});
        beam.SchemeReady = true;
        input.Material = {32, 3, 14000};
        input.Count = 1;
        input.DeflectionDivisor = 300;
        input.Lp = 0.3f;
        catalogue.Widths = {45, 75};
        catalogue.Heights = {200, 300, 400};
        const SizeMark a = SizeMark::Available;
        catalogue.Marks = {{a, a, a}, {a, a, SizeMark::Unavailable}};
    }

    void AddHole(int32_t diameter, int32_t offsetY) {
        TWeak hole;
        hole.Diameter = diameter;
        hole.OffsetX = 3000;
        hole.OffsetY = offsetY;
        hole.ZoneStart = 2800;
        hole.ZoneEnd = 3200;
        beam.Spans[0].Weaks.push_back(hole);
        ++beam.HoleCount;
    }

    SelectionChartData Select() {
        RunStatics(beam);
        return RunSelection({beam, calc, input, messages}, catalogue);
    }

    TBeam beam;
    TBeamCalc calc;
    TDesignInput input;
    SectionCatalogue catalogue;
    RecordingMessageSink messages;
};

const Codes kWithoutHoles{{1, 2, 3}, {2, 3, 0}};

TEST_F(SectionSelectionTest, ColoursEverySizeByItsWeakestCheck) {
    const SelectionChartData chart = Select();

    EXPECT_EQ(chart.Widths, (std::vector<int32_t>{45, 75}));
    EXPECT_EQ(chart.Heights, (std::vector<int32_t>{200, 300, 400}));
    EXPECT_EQ(chart.Codes, kWithoutHoles);
    EXPECT_FALSE(calc.FirstPass);
    EXPECT_TRUE(messages.Messages.empty());
    // The records hold the last candidate evaluated, 75 x 300.
    EXPECT_EQ(calc.WidthMm, 75);
    EXPECT_EQ(calc.HeightMm, 300);
}

TEST_F(SectionSelectionTest, TooWeakHoleMakesEverySizeRed) {
    // d = 250 mm centred 150 mm from the face leaves less than 50 cm2 or too small a share.
    AddHole(250, 150);
    EXPECT_EQ(Select().Codes, (Codes{{1, 1, 1}, {1, 1, 0}}));
}

TEST_F(SectionSelectionTest, HoleOutsideTheSectionChangesNothing) {
    AddHole(100, 500);
    EXPECT_EQ(Select().Codes, kWithoutHoles);
}

TEST_F(SectionSelectionTest, SecondSelectionRunsTheFirstPassAgain) {
    Select();
    // Two elements side by side double W and I: the 200 mm heights now pass bending but not
    // the deflection (90 x 200: I = 6000 cm4; 150 x 200: I = 10000 cm4, U ~ 31 mm), the rest
    // pass everything.
    input.Count = 2;
    calc.MaxMoment = 0; // would pass every size if the maxima were not computed again
    const SelectionChartData chart = RunSelection({beam, calc, input, messages}, catalogue);

    EXPECT_EQ(chart.Codes, (Codes{{2, 3, 3}, {2, 3, 0}}));
    EXPECT_FLOAT_EQ(calc.MaxMoment, 900.0f);
    EXPECT_EQ(calc.ElementCount, 2);
}

TEST_F(SectionSelectionTest, UndeterminedDeflectionIsReportedOnceNotPerCandidate) {
    // A short second span with a point load near its support: the slope of its first interval
    // keeps one sign, so its deflection cannot be found there.
    beam = statics_test::MakeBeam({6000, 2000}, SupportHinge, SupportHinge);
    statics_test::AddSpanLoad(beam, 0, {100});
    statics_test::AddPointLoad(beam, 1, {1000}, 200);
    beam.SchemeReady = true;
    Select();
    EXPECT_EQ(messages.Messages,
              (std::vector<std::string>{"На пролете № 2 прогиб определить не удалось, вероятно "
                                        "из-за его малого значения."}));
}

TEST_F(SectionSelectionTest, BeamWithoutStaticsEvaluatesNothing) {
    RunStatics(beam);
    beam.SchemeReady = false;
    const SelectionChartData chart = RunSelection({beam, calc, input, messages}, catalogue);
    EXPECT_EQ(chart.Codes, (Codes{{0, 0, 0}, {0, 0, 0}}));
    EXPECT_TRUE(calc.SpanCalcs.empty());
}

TEST_F(SectionSelectionTest, CandidateAfterTheFirstReusesTheDeflectionIntegral) {
    RunStatics(beam);
    const TSelectionRun run{beam, calc, input, messages};
    calc.FirstPass = true;
    EXPECT_EQ(EvaluateCandidate(run, 45, 300), 2);
    EXPECT_FALSE(calc.FirstPass);
    const float numerator = calc.SpanCalcs[0].DeflectionNumerator;
    EXPECT_GT(numerator, 0.0f);
    // A later candidate only rescales: U0 goes with 1 / I.
    const float deflection300 = calc.SpanCalcs[0].BendingDeflection;
    EXPECT_EQ(EvaluateCandidate(run, 45, 400), 3);
    EXPECT_FLOAT_EQ(calc.SpanCalcs[0].DeflectionNumerator, numerator);
    EXPECT_NEAR(calc.SpanCalcs[0].BendingDeflection, deflection300 * 27.0f / 64.0f,
                1e-4f * deflection300);
}

} // namespace
} // namespace balka
