// Shear and moment along the spans and the span moment extremes: the simply supported span
// (w L^2 / 8), sloped beams (positions horizontal, arithmetic along the slope), point loads at
// and between grid samples, a part load ending on a sample, a left cantilever and an unloaded
// span of a continuous beam.
#include "statics/SpanForces.h"

#include "statics/SampleGrid.h"
#include "statics/SpanExtremes.h"
#include "statics/Statics.h"

#include "BeamInvariants.h"
#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddPartLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::MakeBeam;
using statics_test::SampleIndex;
using test::ExpectBeamInvariants;

class SpanForcesTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SpanForcesTest, SimpleSpanUnderUniformLoad) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    const TSpan& span = beam.Spans[0];
    ASSERT_EQ(span.SampleX.size(), 121u); // 0, 50, ..., 6000
    EXPECT_EQ(span.SampleX[1], 50);
    EXPECT_EQ(span.M.front(), 0.0f);
    EXPECT_EQ(span.M.back(), 0.0f);
    ExpectClose(span.QLeft.front(), 300); // w L / 2
    ExpectClose(span.QSeries.back(), -300);
    const std::size_t mid = SampleIndex(span, 3000);
    ExpectClose(span.M[mid], 450); // w L^2 / 8
    ExpectClose(span.M[SampleIndex(span, 1000)], 300 * 1.0 - 100 * 1.0 / 2);
    EXPECT_EQ(span.XMax, 3000);
    ExpectClose(span.MMax, 450);
    ExpectClose(beam.MaxAbsM, 450);
    ExpectClose(beam.MaxAbsQ, 300);
}

// A sloped single span of 3000 mm horizontal under F = 100 kg/m per horizontal metre.
struct SlopeCase {
    const char* name;
    float angle;
    int32_t slopeLengthMm;
    double normalValue; // F cos^2
};

void PrintTo(const SlopeCase& c, std::ostream* os) {
    *os << c.name;
}

class SlopedSpanTest : public ::testing::TestWithParam<SlopeCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(SlopedSpanTest, PositionsStayHorizontalAndArithmeticRunsAlongTheSlope) {
    const SlopeCase& c = GetParam();
    TBeam beam = MakeBeam({3000}, SupportHinge, SupportHinge, c.angle);
    AddSpanLoad(beam, 0, {100});
    ASSERT_EQ(beam.Spans[0].SlopeLength, c.slopeLengthMm);
    ExpectClose(beam.Spans[0].Loads[0].NormalValue, c.normalValue);
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    const TSpan& span = beam.Spans[0];
    ASSERT_EQ(span.SampleX.size(), 61u); // horizontal grid 0, 50, ..., 3000
    const double L = c.slopeLengthMm * 0.001;
    const double w = c.normalValue;
    EXPECT_EQ(span.XMax, 1500);
    ExpectClose(span.MMax, w * L * L / 8);
    // At horizontal 1000 mm the beam has run 1000 / cos mm along its axis.
    const double x = 1.0 / std::cos(c.angle * 3.14159265358979323846 / 180);
    ExpectClose(span.M[SampleIndex(span, 1000)], w * L / 2 * x - w * x * x / 2);
    ExpectClose(span.QLeft[SampleIndex(span, 1000)], w * L / 2 - w * x);
}

// 3000 / cos 30 = 3464 mm, 3000 / cos 60 = 6000 mm.
INSTANTIATE_TEST_SUITE_P(Angles, SlopedSpanTest,
                         ::testing::Values(SlopeCase{"Thirty", 30, 3464, 75},
                                           SlopeCase{"Sixty", 60, 6000, 25}),
                         [](const ::testing::TestParamInfo<SlopeCase>& info) {
                             return info.param.name;
                         });

// A point load of 1000 kg on a simple span of 6 m, on a grid sample or between two.
struct PointCase {
    const char* name;
    int32_t atMm;
};

void PrintTo(const PointCase& c, std::ostream* os) {
    *os << c.name;
}

class PointLoadTest : public ::testing::TestWithParam<PointCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(PointLoadTest, ShearJumpsAtTheLoadAndTheExtremeSitsThere) {
    const int32_t at = GetParam().atMm;
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPointLoad(beam, 0, {1000}, at);
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    const TSpan& span = beam.Spans[0];
    const double a = at * 0.001, b = 6 - a;
    const std::size_t j = SampleIndex(span, at);
    ExpectClose(span.QLeft[j], 1000 * b / 6);
    ExpectClose(span.QSeries[j], 1000 * b / 6);
    ExpectClose(span.QRight[j], -1000 * a / 6);
    ExpectClose(span.M[j], 1000 * a * b / 6); // P a b / L
    EXPECT_EQ(span.XMax, at);
    EXPECT_EQ(span.MMax, span.M[j]);
    // Beyond the load all three series have it.
    ExpectClose(span.QLeft[j + 1], -1000 * a / 6);
    ExpectClose(span.QRight[j - 1], 1000 * b / 6);
}

INSTANTIATE_TEST_SUITE_P(Positions, PointLoadTest,
                         ::testing::Values(PointCase{"OnGridSample", 2500},
                                           PointCase{"BetweenGridSamples", 2525}),
                         [](const ::testing::TestParamInfo<PointCase>& info) {
                             return info.param.name;
                         });

TEST_F(SpanForcesTest, PartLoadEndingOnASampleKeepsShearAndMomentContinuous) {
    // 100 kg/m from 1 m to 3 m of a 6 m span: RA = 200 * 4 / 6.
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPartLoad(beam, 0, {100}, 1000, 2000);
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    const TSpan& span = beam.Spans[0];
    const double RA = 200.0 * 4 / 6;
    const std::size_t end = SampleIndex(span, 3000);
    ExpectClose(span.QLeft[end], RA - 200);
    ExpectClose(span.QRight[end], RA - 200);
    ExpectClose(span.QLeft[end + 1], RA - 200);
    ExpectClose(span.M[end], RA * 3 - 200 * 1);
    ExpectClose(span.M[end - 1], RA * 2.95 - 100 * 1.95 * 1.95 / 2);
    ExpectClose(span.M[end + 1], RA * 3.05 - 200 * (3.05 - 2));
    // Zero shear at 1 + RA / w = 2.3333 m, between the samples 2300 and 2350.
    EXPECT_EQ(span.XMax, 2333);
    ExpectClose(span.MMax, RA * (1 + RA / 100) - 100 * (RA / 100) * (RA / 100) / 2);
}

TEST_F(SpanForcesTest, LeftCantileverHasZeroShearAtItsFreeEnd) {
    TBeam beam = MakeBeam({2000, 6000}, SupportFree, SupportHinge);
    AddBeamLoad(beam, {100});
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    const TSpan& overhang = beam.Spans[0];
    EXPECT_NEAR(overhang.QLeft.front(), 0.0f, 0.001f);
    EXPECT_EQ(overhang.XMax, 0);
    EXPECT_EQ(overhang.MMax, 0.0f);
    ExpectClose(overhang.M[SampleIndex(overhang, 1000)], -100 * 1.0 * 1.0 / 2);
    ExpectClose(overhang.MB, -200);
    ExpectClose(overhang.QLeft.back(), -200);
}

TEST_F(SpanForcesTest, SpanWithoutZeroShearGetsZeroExtreme) {
    // Only the first of two spans is loaded; the second carries a constant shear.
    TBeam beam = MakeBeam({6000, 6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    RunStatics(beam);
    TSpan& unloaded = beam.Spans[1];
    ExpectClose(unloaded.MA, -225); // w L^2 / 16
    ExpectClose(unloaded.QLeft.front(), 225.0 / 6);
    unloaded.XMax = 1234;
    unloaded.MMax = 5;
    FindSpanMomentExtreme(beam);
    EXPECT_EQ(unloaded.XMax, 0);
    EXPECT_EQ(unloaded.MMax, 0.0f);
    // The loaded span: the shear w L / 2 - 225 / L - w x is zero at x0.
    const double x0 = (300 - 225.0 / 6) / 100;
    EXPECT_EQ(beam.Spans[0].XMax, static_cast<int32_t>(x0 * 1000 + 0.5));
    ExpectClose(beam.Spans[0].MMax, (300 - 225.0 / 6) * x0 - 100 * x0 * x0 / 2);
}

TEST_F(SpanForcesTest, ForcesAreRebuiltNotAppendedOnASecondRun) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    RunStatics(beam);
    ComputeSpanForces(beam);
    ExpectBeamInvariants(beam);
}

TEST_F(SpanForcesTest, GridHoldsLoadEndsAndHoleZoneBoundaries) {
    TBeam beam = MakeBeam({3000, 4000}, SupportHinge, SupportHinge);
    AddPartLoad(beam, 0, {100}, 1025, 1050);
    AddPointLoad(beam, 0, {100}, 1333);
    statics_test::AddHole(beam, 0, 40, 2950); // zone 2730 .. 3170, reaching 170 mm into span 1
    statics_test::AddHole(beam, 1, 40, 90);   // zone -130 .. 310, reaching 130 mm back into span 0
    BuildSampleGrid(beam);
    for (int32_t position : {1025, 2075, 1333, 2730, 2870, 3000}) {
        SampleIndex(beam.Spans[0], position);
    }
    for (int32_t position : {0, 170, 310, 4000}) {
        SampleIndex(beam.Spans[1], position);
    }
}

} // namespace
} // namespace balka
