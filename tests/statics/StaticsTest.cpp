// The whole statics run: the invariants on a range of beams, the beam maxima, and the beams that
// cannot carry load, which get no results.
#include "statics/Statics.h"

#include "BeamInvariants.h"
#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddHole;
using statics_test::AddPartLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::MakeBeam;
using test::ExpectBeamInvariants;

struct BeamCase {
    const char* name;
    std::function<TBeam()> build;
};

void PrintTo(const BeamCase& c, std::ostream* os) {
    *os << c.name;
}

class RunStaticsInvariantsTest : public ::testing::TestWithParam<BeamCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(RunStaticsInvariantsTest, HoldAfterTheRun) {
    TBeam beam = GetParam().build();
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    EXPECT_GT(beam.MaxAbsM, 0.0f);
    EXPECT_GT(beam.MaxAbsQ, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Beams, RunStaticsInvariantsTest,
    ::testing::Values(
        BeamCase{"SimpleSpan",
                 [] {
                     TBeam b = MakeBeam({4500}, SupportHinge, SupportHinge);
                     AddSpanLoad(b, 0, {250});
                     return b;
                 }},
        BeamCase{"FixedFreeWithPointAtEnd",
                 [] {
                     TBeam b = MakeBeam({1800}, SupportFixed, SupportFree);
                     AddPointLoad(b, 0, {500}, 1800);
                     return b;
                 }},
        BeamCase{"ThreeSpansSlopedWithEverything",
                 [] {
                     TBeam b = MakeBeam({1500, 4200, 3300}, SupportFree, SupportFixed, 35);
                     AddBeamLoad(b, {120});
                     AddPartLoad(b, 1, {300}, 777, 1333);
                     AddPointLoad(b, 2, {800}, 1111);
                     AddHole(b, 1, 41, 150);
                     AddHole(b, 1, 41, 4100);
                     return b;
                 }},
        BeamCase{"FiveSpansOnlyPointLoads",
                 [] {
                     TBeam b = MakeBeam({3000, 3000, 2000, 3000, 3000}, SupportHinge, SupportHinge);
                     AddPointLoad(b, 0, {100}, 1500);
                     AddPointLoad(b, 3, {200}, 0);
                     AddPointLoad(b, 4, {300}, 3000);
                     return b;
                 }}),
    [](const ::testing::TestParamInfo<BeamCase>& info) { return info.param.name; });

class RunStaticsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(RunStaticsTest, CantileversBothSidesGiveTheirSupportMoments) {
    TBeam beam = MakeBeam({2000, 6000, 2000}, SupportFree, SupportFree);
    AddBeamLoad(beam, {100});
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    ExpectClose(beam.Spans[0].MB, -200); // w Lc^2 / 2
    ExpectClose(beam.Spans[2].MA, -200);
    ExpectClose(beam.Spans[1].MMax, 450 - 200); // w L^2 / 8 lifted by the support moments
    EXPECT_EQ(beam.Spans[1].XMax, 3000);
    ExpectClose(beam.MaxAbsM, 250);
    ExpectClose(beam.MaxAbsQ, 300);
}

TEST_F(RunStaticsTest, UnloadedBeamHasZeroMaxima) {
    TBeam beam = MakeBeam({3000, 3000}, SupportFixed, SupportHinge);
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    EXPECT_EQ(beam.MaxAbsM, 0.0f);
    EXPECT_EQ(beam.MaxAbsQ, 0.0f);
}

TEST_F(RunStaticsTest, BeamThatCannotCarryLoadGetsNoResults) {
    TBeam beam = MakeBeam({3000}, SupportHinge, SupportFree);
    AddSpanLoad(beam, 0, {100});
    ASSERT_TRUE(CannotCarryLoad(beam));
    RunStatics(beam);
    EXPECT_TRUE(beam.Spans[0].SampleX.empty());
    EXPECT_TRUE(beam.Spans[0].M.empty());
    EXPECT_EQ(beam.MaxAbsM, 0.0f);
    EXPECT_EQ(beam.MaxAbsQ, 0.0f);
}

TEST_F(RunStaticsTest, BeamWithoutSpansIsLeftAlone) {
    TBeam beam;
    RunStatics(beam);
    EXPECT_TRUE(beam.Nodes.empty());
    EXPECT_EQ(beam.MaxAbsM, 0.0f);
}

} // namespace
} // namespace balka
