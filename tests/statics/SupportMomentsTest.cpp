// Support moments of continuous beams against the textbook values: two and three equal spans,
// fixed ends, a pinned end, cantilever overhangs at both ends and an unloaded inner span.
#include "statics/SupportMoments.h"

#include "statics/SpanTerms.h"

#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::MakeBeam;

void SolveBeam(TBeam& beam) {
    BuildNodes(beam);
    ClassifySpans(beam);
    for (int i = 0; i < beam.SpanCount; ++i) {
        ComputeSpanTerms(beam, i);
    }
    SolveSupportMoments(beam);
}

// w = 100 kg/m over the whole beam; expected MA and MB of every span in kg*m.
struct MomentsCase {
    const char* name;
    std::vector<int32_t> spans;
    int32_t left;
    int32_t right;
    std::vector<double> MA;
    std::vector<double> MB;
};

void PrintTo(const MomentsCase& c, std::ostream* os) {
    *os << c.name;
}

class SupportMomentsTest : public ::testing::TestWithParam<MomentsCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(SupportMomentsTest, MatchTheTextbook) {
    const MomentsCase& c = GetParam();
    TBeam beam = MakeBeam(c.spans, c.left, c.right);
    AddBeamLoad(beam, {100});
    SolveBeam(beam);
    for (std::size_t i = 0; i < beam.Spans.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "span " << i);
        ExpectClose(beam.Spans[i].MA, c.MA[i]);
        ExpectClose(beam.Spans[i].MB, c.MB[i]);
    }
}

// L = 6 m: w L^2 / 8 = 450, 0.1 w L^2 = 360, w L^2 / 12 = 300; cantilever 2 m: w Lc^2 / 2 = 200.
INSTANTIATE_TEST_SUITE_P(
    UniformLoad, SupportMomentsTest,
    ::testing::Values(
        MomentsCase{
            "TwoEqualSpans", {6000, 6000}, SupportHinge, SupportHinge, {0, -450}, {-450, 0}},
        MomentsCase{"ThreeEqualSpans",
                    {6000, 6000, 6000},
                    SupportHinge,
                    SupportHinge,
                    {0, -360, -360},
                    {-360, -360, 0}},
        MomentsCase{"FixedBothEnds", {6000}, SupportFixed, SupportFixed, {-300}, {-300}},
        MomentsCase{"FixedAndPinned", {6000}, SupportFixed, SupportHinge, {-450}, {0}},
        MomentsCase{"CantileversBothSides",
                    {2000, 6000, 2000},
                    SupportFree,
                    SupportFree,
                    {0, -200, -200},
                    {-200, -200, 0}},
        MomentsCase{"LeftCantileverThenHinge",
                    {2000, 6000},
                    SupportFree,
                    SupportHinge,
                    {0, -200},
                    {-200, 0}}),
    [](const ::testing::TestParamInfo<MomentsCase>& info) { return info.param.name; });

class SupportMomentsEdgeTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SupportMomentsEdgeTest, FixedBothEndsUnderCentralPoint) {
    TBeam beam = MakeBeam({6000}, SupportFixed, SupportFixed);
    AddPointLoad(beam, 0, {1000}, 3000);
    SolveBeam(beam);
    ExpectClose(beam.Spans[0].MA, -750); // P L / 8
    ExpectClose(beam.Spans[0].MB, -750);
}

TEST_F(SupportMomentsEdgeTest, UnloadedInnerSpanTakesItsMomentsFromTheRotations) {
    // Three equal spans, outer spans loaded: by symmetry both support moments are equal, and the
    // three-moment equation 2 M (L + L) + M L = -w L^3 / 4 gives M = -w L^2 / 20.
    TBeam beam = MakeBeam({6000, 6000, 6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    AddSpanLoad(beam, 2, {100});
    SolveBeam(beam);
    ExpectClose(beam.Spans[1].MA, -180);
    ExpectClose(beam.Spans[1].MB, -180);
    ExpectClose(beam.Spans[0].MB, -180);
    ExpectClose(beam.Spans[2].MA, -180);
}

TEST_F(SupportMomentsEdgeTest, FourUnequalSpansMatchTheThreeMomentEquations) {
    // Spans 4, 6, 5, 3 m under w = 100: the three-moment equations
    //   2 M1 (4 + 6) + 6 M2 = -w (4^3 + 6^3) / 4
    //   6 M1 + 2 M2 (6 + 5) + 5 M3 = -w (6^3 + 5^3) / 4
    //   5 M2 + 2 M3 (5 + 3) = -w (5^3 + 3^3) / 4
    // solved in double precision.
    TBeam beam = MakeBeam({4000, 6000, 5000, 3000}, SupportHinge, SupportHinge);
    AddBeamLoad(beam, {100});
    SolveBeam(beam);
    const double w = 100;
    const double r1 = -w * (64 + 216) / 4, r2 = -w * (216 + 125) / 4, r3 = -w * (125 + 27) / 4;
    // Cramer's rule on [[20, 6, 0], [6, 22, 5], [0, 5, 16]].
    const double det = 20 * (22 * 16 - 5 * 5) - 6 * (6 * 16 - 0) + 0;
    const double m1 = (r1 * (22 * 16 - 25) - 6 * (r2 * 16 - 5 * r3)) / det;
    const double m2 = (20 * (r2 * 16 - 5 * r3) - r1 * (6 * 16)) / det;
    const double m3 = (20 * (22 * r3 - 5 * r2) - 6 * (6 * r3) + r1 * (6 * 5)) / det;
    ExpectClose(beam.Spans[0].MB, m1);
    ExpectClose(beam.Spans[1].MA, m1);
    ExpectClose(beam.Spans[1].MB, m2);
    ExpectClose(beam.Spans[2].MA, m2);
    ExpectClose(beam.Spans[2].MB, m3);
    ExpectClose(beam.Spans[3].MA, m3);
    EXPECT_EQ(beam.Spans[0].MA, 0.0f);
    EXPECT_EQ(beam.Spans[3].MB, 0.0f);
}

} // namespace
} // namespace balka
