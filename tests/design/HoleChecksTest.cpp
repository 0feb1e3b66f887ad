#include "design/HoleChecks.h"

#include "DesignTestSupport.h"
#include "design/DesignChecks.h"

#include <gtest/gtest.h>

#include <ostream>

namespace balka {
namespace {

using test::ExpectClose;

enum class Expect { Admissible, TooWeak, Outside };

struct HoleCase {
    const char* name;
    int32_t widthMm;
    int32_t heightMm;
    int32_t diameter;
    int32_t offsetY;
    Expect expect;
    double inertia;      // cm4, admissible holes only
    double modulus;      // cm3
    double staticMoment; // cm3
};

void PrintTo(const HoleCase& c, std::ostream* os) {
    *os << c.name;
}

class HoleCheckTest : public ::testing::TestWithParam<HoleCase> {};

TEST_P(HoleCheckTest, ClassifiesAndMeasuresTheNetSection) {
    const HoleCase& c = GetParam();
    TBeam beam = test::BeamOfSpans({4000});
    TWeak hole;
    hole.Diameter = c.diameter;
    hole.OffsetY = c.offsetY;
    beam.Spans[0].Weaks.push_back(hole);
    beam.HoleCount = 1;
    TBeamCalc calc;
    SetSection(calc, c.widthMm, c.heightMm, 1);
    calc.BendingStrength = 30;
    calc.ShearStrength = 3;
    CheckHoles(beam, calc);
    const TWeak& checked = beam.Spans[0].Weaks[0];
    EXPECT_EQ(checked.Outside, c.expect == Expect::Outside);
    if (c.expect == Expect::Outside) {
        return;
    }
    EXPECT_EQ(checked.TooWeak, c.expect == Expect::TooWeak);
    if (c.expect != Expect::Admissible) {
        return;
    }
    ExpectClose(checked.NetInertia, c.inertia);
    ExpectClose(checked.NetModulus, c.modulus);
    ExpectClose(checked.NetStaticMoment, c.staticMoment);
    ExpectClose(checked.MomentCapacity, 0.1 * c.modulus * 30);
    ExpectClose(checked.ShearCapacity, 10 * 3 * c.inertia * (c.widthMm * 0.1) / c.staticMoment);
}

// Two strips of b = 10 cm around a 10 cm hole at mid-height of h = 40 cm: 15 cm each,
// yc = 20, I = 2 (10 * 15^3 / 12 + 150 * 12.5^2), W = I / 20, S = 150 (20 - 7.5).
constexpr double SymmetricInertia = 2 * (10.0 * 15 * 15 * 15 / 12 + 150 * 12.5 * 12.5);
// The same hole 5 cm lower: t1 = 10, t2 = 20, yc = (100 * 5 + 200 * 30) / 300 = 65 / 3.
constexpr double LowYc = 65.0 / 3;
constexpr double LowInertia = 10.0 * 1000 / 12 + 10.0 * 8000 / 12 +
                              100 * (5 - LowYc) * (5 - LowYc) + 200 * (30 - LowYc) * (30 - LowYc);
// A 6 cm hole centred on a face leaves one strip of 37 cm.
constexpr double StripInertia = 10.0 * 37 * 37 * 37 / 12;
constexpr double StripModulus = 10.0 * 37 * 37 / 6;
constexpr double StripStaticMoment = 10.0 * 37 * 37 / 8;

INSTANTIATE_TEST_SUITE_P(
    Holes, HoleCheckTest,
    ::testing::Values(
        HoleCase{"MidHeight", 100, 400, 100, 200, Expect::Admissible, SymmetricInertia,
                 SymmetricInertia / 20, 150 * 12.5},
        // The axis lies in the upper strip: S = b (h - yc)^2 / 2, W to the lower face.
        HoleCase{"BelowMidHeight", 100, 400, 100, 150, Expect::Admissible, LowInertia,
                 LowInertia / LowYc, 10 * (40 - LowYc) * (40 - LowYc) / 2},
        HoleCase{"CentredOnLowerFace", 100, 400, 60, 0, Expect::Admissible, StripInertia,
                 StripModulus, StripStaticMoment},
        HoleCase{"CentredOnUpperFace", 100, 400, 60, 400, Expect::Admissible, StripInertia,
                 StripModulus, StripStaticMoment},
        HoleCase{"BelowTheSection", 100, 400, 60, -1, Expect::Outside, 0, 0, 0},
        HoleCase{"AboveTheSection", 100, 400, 60, 401, Expect::Outside, 0, 0, 0},
        // 100 cm2 left of 400: a quarter, below even the symmetric limit.
        HoleCase{"QuarterLeft", 100, 400, 300, 200, Expect::TooWeak, 0, 0, 0},
        HoleCase{"WholeHeight", 100, 400, 500, 200, Expect::TooWeak, 0, 0, 0},
        // 260 of 400 cm2 = 0.65: enough at mid-height (0.5), too little elsewhere (0.67).
        HoleCase{"SymmetricLimitPasses", 100, 400, 140, 200, Expect::Admissible,
                 2 * (10.0 * 13 * 13 * 13 / 12 + 130 * 13.5 * 13.5),
                 2 * (10.0 * 13 * 13 * 13 / 12 + 130 * 13.5 * 13.5) / 20, 130 * 13.5},
        HoleCase{"AsymmetricLimitFails", 100, 400, 140, 150, Expect::TooWeak, 0, 0, 0},
        // A0 = 48 cm2: below the 50 cm2 of net area before any hole.
        HoleCase{"SmallSection", 60, 80, 10, 40, Expect::TooWeak, 0, 0, 0}),
    [](const ::testing::TestParamInfo<HoleCase>& info) { return info.param.name; });

TEST(HoleCheckTest, ChecksEveryHoleOfEverySpan) {
    TBeam beam = test::BeamOfSpans({3000, 3000});
    TWeak inside;
    inside.Diameter = 100;
    inside.OffsetY = 200;
    TWeak outside = inside;
    outside.OffsetY = 500;
    beam.Spans[0].Weaks = {inside};
    beam.Spans[1].Weaks = {outside, inside};
    TBeamCalc calc;
    SetSection(calc, 100, 400, 1);
    CheckHoles(beam, calc);
    EXPECT_FALSE(beam.Spans[0].Weaks[0].Outside);
    EXPECT_TRUE(beam.Spans[1].Weaks[0].Outside);
    ExpectClose(beam.Spans[1].Weaks[1].NetInertia, SymmetricInertia);
}

struct VerdictCase {
    const char* name;
    bool outside;
    bool tooWeak;
    float moment;
    float shear;
    THoleVerdict verdict;
};

void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << c.name;
}

class HoleVerdictTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(HoleVerdictTest, ComparesTheZoneForcesStrictly) {
    const VerdictCase& c = GetParam();
    TWeak hole;
    hole.Outside = c.outside;
    hole.TooWeak = c.tooWeak;
    hole.MomentCapacity = 1000;
    hole.ShearCapacity = 500;
    hole.ZoneMaxM = c.moment;
    hole.ZoneMaxQ = c.shear;
    EXPECT_EQ(HoleVerdict(hole), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, HoleVerdictTest,
    ::testing::Values(VerdictCase{"Below", false, false, 900, 400, THoleVerdict::Passed},
                      VerdictCase{"Equal", false, false, 1000, 500, THoleVerdict::Passed},
                      VerdictCase{"MomentAbove", false, false, 1001, 400, THoleVerdict::Failed},
                      VerdictCase{"ShearAbove", false, false, 900, 501, THoleVerdict::Failed},
                      VerdictCase{"TooWeak", false, true, 0, 0, THoleVerdict::Failed},
                      VerdictCase{"OutsideIgnoresAll", true, true, 5000, 5000,
                                  THoleVerdict::Ignored}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) { return info.param.name; });

} // namespace
} // namespace balka
