#include "design/DesignChecks.h"

#include "DesignTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

#include <ostream>

namespace balka {
namespace {

using test::ExpectClose;

TEST(SectionTest, RectangleOfOneElement) {
    TBeamCalc calc;
    SetSection(calc, 100, 400, 1);
    EXPECT_EQ(calc.WidthMm, 100);
    EXPECT_EQ(calc.HeightMm, 400);
    EXPECT_EQ(calc.ElementCount, 1);
    ExpectClose(calc.WidthCm, 10);
    ExpectClose(calc.HeightCm, 40);
    ExpectClose(calc.SectionModulus, 10.0 * 40 * 40 / 6); // 2666.7 cm3
    ExpectClose(calc.Inertia, 10.0 * 40 * 40 * 40 / 12);  // 53333 cm4
    ExpectClose(calc.StaticMoment, 2000);
}

TEST(SectionTest, ElementsSideBySideAddTheirWidths) {
    TBeamCalc calc;
    SetSection(calc, 45, 300, 3);
    EXPECT_EQ(calc.WidthMm, 135);
    ExpectClose(calc.WidthCm, 13.5);
    ExpectClose(calc.SectionModulus, 13.5 * 30 * 30 / 6);
}

TEST(SectionTest, AbsurdTypedSizesDoNotOverflowTheWidth) {
    TBeamCalc calc;
    SetSection(calc, 99999999, 300, 99);
    EXPECT_EQ(calc.WidthMm, std::numeric_limits<int32_t>::max());
    EXPECT_GT(calc.WidthCm, 0.0f);
}

TEST(CapacitiesTest, BendingAndShearOfTheSection) {
    TBeamCalc calc;
    SetSection(calc, 100, 400, 1);
    calc.BendingStrength = 30;
    calc.ShearStrength = 3;
    ComputeCapacities(calc);
    // 2666.7 * 0.1 * 30 and 3 * 10 * 53333 * 10 / 2000.
    ExpectClose(calc.MomentCapacity, 8000);
    ExpectClose(calc.ShearCapacity, 8000);
}

TEST(ForceMaximaTest, TakesAbsoluteExtremesOfEverySpan) {
    TBeam beam = test::BeamOfSpans({3000, 4000});
    beam.Spans[0].MMax = 1200;
    beam.Spans[0].M = {0, 900, -1500};
    beam.Spans[0].QSeries = {800, -200, -1100};
    beam.Spans[1].MMax = 2100;
    beam.Spans[1].M = {-1500, 1800, 0};
    beam.Spans[1].QSeries = {1300, 0, -900};
    TBeamCalc calc;
    ResetSpanResults(calc, beam);
    ComputeForceMaxima(calc, beam);
    EXPECT_EQ(calc.MaxMoment, 2100.0f);
    EXPECT_EQ(calc.MaxShear, 1300.0f);
    EXPECT_EQ(calc.SpanCalcs[0].MaxMoment, 1500.0f);
    EXPECT_EQ(calc.SpanCalcs[1].MaxMoment, 2100.0f);
}

TEST(ResetSpanResultsTest, OneFreshRecordPerSpan) {
    TBeamCalc calc;
    calc.SpanCalcs.resize(3);
    calc.SpanCalcs[0].Kpm = 5;
    ResetSpanResults(calc, test::BeamOfSpans({2000, 2000}));
    ASSERT_EQ(calc.SpanCalcs.size(), 2u);
    EXPECT_EQ(calc.SpanCalcs[0].Kpm, 0.0f);
}

TEST(StabilityInputsTest, MissingValuesBecomeMinusOne) {
    TBeamCalc calc;
    TDesignInput input;
    input.Kf = 1.3f;
    StoreStabilityInputs(calc, input);
    EXPECT_EQ(calc.Lp, -1.0f);
    EXPECT_EQ(calc.MomentLp, -1.0f);
    EXPECT_EQ(calc.Kf, 1.3f);
    EXPECT_EQ(calc.RestraintCount, -1);
    input.RestraintCount = 2;
    StoreStabilityInputs(calc, input);
    EXPECT_EQ(calc.RestraintCount, 2);
}

struct KpmCase {
    const char* name;
    int32_t restraintCount;
    double share; // m2 / (m2 + 1), taken as 1 from four points on
};

void PrintTo(const KpmCase& c, std::ostream* os) {
    *os << c.name;
}

class TensileEdgeFactorTest : public ::testing::TestWithParam<KpmCase> {};

TEST_P(TensileEdgeFactorTest, WeighsTheBracketByRestrainedPoints) {
    const KpmCase& c = GetParam();
    // lp = 400 cm, h = 40 cm: bracket 0.142 * 10 + 1.76 * 0.1 - 1 = 0.596.
    ExpectClose(TensileEdgeFactor(400, 40, c.restraintCount), 1 + 0.596 * c.share);
}

INSTANTIATE_TEST_SUITE_P(Points, TensileEdgeFactorTest,
                         ::testing::Values(KpmCase{"None", 0, 0.0}, KpmCase{"One", 1, 0.5},
                                           KpmCase{"Three", 3, 0.9}, KpmCase{"Four", 4, 1.0},
                                           KpmCase{"Seven", 7, 1.0}),
                         [](const ::testing::TestParamInfo<KpmCase>& info) {
                             return info.param.name;
                         });

class StabilityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        beam = test::BeamOfSpans({4000, 5000});
        ResetSpanResults(calc, beam);
        SetSection(calc, 100, 400, 1);
        calc.BendingStrength = 30;
        calc.SpanCalcs[0].MaxMoment = 2000;
        calc.SpanCalcs[1].MaxMoment = 3000;
        StoreStabilityInputs(calc, TDesignInput{});
    }

    TBeam beam;
    TBeamCalc calc;
};

TEST_F(StabilityTest, UsesEachSpansOwnLengthAndMoment) {
    CheckStability(calc, beam);
    // φм = 140 * 10^2 * 1.13 / (400 * 40) = 0.98875; σ = 10 * 2000 / (0.98875 * 2666.7).
    ExpectClose(calc.SpanCalcs[0].PhiM, 0.98875);
    ExpectClose(calc.SpanCalcs[0].PhiMTotal, 0.98875);
    ExpectClose(calc.SpanCalcs[0].Stress, 10 * 2000 / (0.98875 * 8000 / 3));
    ExpectClose(calc.SpanCalcs[0].StressLimit, 30);
    ExpectClose(calc.SpanCalcs[1].PhiM, 140 * 100 * 1.13 / (500 * 40));
}

TEST_F(StabilityTest, GivenValuesApplyToEverySpan) {
    TDesignInput input;
    input.Lp = 2.5f;
    input.MomentLp = 1000;
    input.Kf = 1.0f;
    StoreStabilityInputs(calc, input);
    CheckStability(calc, beam);
    for (const TSpanCalc& span : calc.SpanCalcs) {
        // 140 * 100 * 1 / (250 * 40) = 1.4, not limited to 1.
        ExpectClose(span.PhiM, 1.4);
        ExpectClose(span.Stress, 10 * 1000 / (1.4 * 8000 / 3));
    }
}

TEST_F(StabilityTest, RestrainedTensileEdgeRaisesPhi) {
    TDesignInput input;
    input.RestraintCount = 1;
    StoreStabilityInputs(calc, input);
    CheckStability(calc, beam);
    const double kpm = 1 + (0.142 * 10 + 1.76 * 0.1 - 1) * 0.5;
    ExpectClose(calc.SpanCalcs[0].Kpm, kpm);
    ExpectClose(calc.SpanCalcs[0].PhiM, 0.98875);
    ExpectClose(calc.SpanCalcs[0].PhiMTotal, 0.98875 * kpm);
}

} // namespace
} // namespace balka
