// Largest moment and shear within the holes' zones: zones crossing an intermediate support take
// the neighbour's samples and extreme, a zone reaching past a short neighbour is clipped to it,
// and a beam without holes is left alone.
#include "statics/HoleZoneForces.h"

#include "statics/Statics.h"

#include "BeamInvariants.h"
#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <cmath>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddHole;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::MakeBeam;
using statics_test::SampleIndex;
using test::ExpectBeamInvariants;

class HoleZoneForcesTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

// Two spans of 1000 mm with hand-written series, so every number taken is visible.
TBeam HandWrittenBeam() {
    TBeam beam = MakeBeam({1000, 1000}, SupportHinge, SupportHinge);
    TSpan& left = beam.Spans[0];
    left.SampleX = {0, 500, 900, 1000};
    left.QLeft = {1, 2, 3, 4};
    left.QRight = {10, 20, 30, 40};
    left.QSeries = left.QLeft;
    left.M = {0, -5, 6, -7};
    left.XMax = 950;
    left.MMax = -99;
    TSpan& right = beam.Spans[1];
    right.SampleX = {0, 100, 500, 1000};
    right.QLeft = {-1, -2, -3, -4};
    right.QRight = {-11, -12, -13, -14};
    right.QSeries = right.QLeft;
    right.M = {-7, 8, 9, 0};
    right.XMax = 150;
    right.MMax = 77;
    return beam;
}

TEST_F(HoleZoneForcesTest, ZoneReachingBackTakesThePreviousSpansLeftShearsAndExtreme) {
    TBeam beam = HandWrittenBeam();
    TWeak weak;
    weak.ZoneStart = -120; // from 880 of the left span
    weak.ZoneEnd = 50;
    beam.Spans[1].Weaks.push_back(weak);
    beam.HoleCount = 1;
    ComputeHoleZoneForces(beam);
    const TWeak& result = beam.Spans[1].Weaks[0];
    // Left span samples 900 and 1000 (QLeft 3, 4; M 6, -7) and its extreme at 950 (-99);
    // own sample 0 (QLeft -1, QRight -11, M -7); the own extreme at 150 lies outside.
    EXPECT_EQ(result.ZoneMaxM, 99.0f);
    EXPECT_EQ(result.ZoneMaxQ, 11.0f);
}

TEST_F(HoleZoneForcesTest, ZoneReachingForwardTakesTheNextSpansRightShearsAndExtreme) {
    TBeam beam = HandWrittenBeam();
    TWeak weak;
    weak.ZoneStart = 960;
    weak.ZoneEnd = 1160; // to 160 of the right span
    beam.Spans[0].Weaks.push_back(weak);
    beam.HoleCount = 1;
    ComputeHoleZoneForces(beam);
    const TWeak& result = beam.Spans[0].Weaks[0];
    // Right span samples 0 and 100 (QRight -11, -12; M -7, 8) and its extreme at 150 (77);
    // own sample 1000 (QLeft 4, QRight 40, M -7); the own extreme at 950 lies outside.
    EXPECT_EQ(result.ZoneMaxM, 77.0f);
    EXPECT_EQ(result.ZoneMaxQ, 40.0f);
}

TEST_F(HoleZoneForcesTest, ZonesCrossingTheInnerSupportOfTwoSpans) {
    // Two spans of 6 m, only the first loaded: support moment -w L^2 / 16 = -225, shear just left
    // of the support -(w L / 2 + 225 / L) = -337.5, just right 225 / L = 37.5.
    TBeam beam = MakeBeam({6000, 6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    AddHole(beam, 1, 40, 113);  // zone -107 .. 333
    AddHole(beam, 0, 40, 5890); // zone 5670 .. 6110
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    SampleIndex(beam.Spans[0], 5893);
    SampleIndex(beam.Spans[1], 110);
    const TWeak& inSecond = beam.Spans[1].Weaks[0];
    ExpectClose(inSecond.ZoneMaxM, 225);
    ExpectClose(inSecond.ZoneMaxQ, 337.5); // from the first span's samples
    const TWeak& inFirst = beam.Spans[0].Weaks[0];
    ExpectClose(inFirst.ZoneMaxM, 225);
    ExpectClose(inFirst.ZoneMaxQ, 337.5);
}

TEST_F(HoleZoneForcesTest, ZoneReachingPastAShortNeighbourIsClippedToIt) {
    // A 100 mm middle span; the zones of the holes beside it reach 170 mm over it.
    TBeam beam = MakeBeam({3000, 100, 3000}, SupportHinge, SupportHinge);
    AddBeamLoad(beam, {100});
    AddHole(beam, 2, 40, 50);   // zone -170 .. 270
    AddHole(beam, 0, 40, 2950); // zone 2730 .. 3170
    RunStatics(beam);
    ExpectBeamInvariants(beam);
    const TSpan& shortSpan = beam.Spans[1];
    for (int32_t position : shortSpan.SampleX) {
        EXPECT_GE(position, 0);
        EXPECT_LE(position, 100);
    }
    // The whole short span lies inside both zones.
    for (const TWeak* weak : {&beam.Spans[2].Weaks[0], &beam.Spans[0].Weaks[0]}) {
        EXPECT_GE(weak->ZoneMaxM, std::fabs(shortSpan.MA));
        EXPECT_GE(weak->ZoneMaxM, std::fabs(shortSpan.MB));
        EXPECT_LE(weak->ZoneMaxM, beam.MaxAbsM);
        EXPECT_LE(weak->ZoneMaxQ, beam.MaxAbsQ + 0.001f);
    }
}

TEST_F(HoleZoneForcesTest, BeamWithoutHolesIsLeftAlone) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    RunStatics(beam);
    const TBeam before = beam;
    ComputeHoleZoneForces(beam);
    EXPECT_EQ(beam.Spans[0].M, before.Spans[0].M);
    EXPECT_EQ(beam.MaxAbsM, before.MaxAbsM);
    EXPECT_TRUE(beam.Spans[0].Weaks.empty());
}

} // namespace
} // namespace balka
