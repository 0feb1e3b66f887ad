// Support reactions against values a reader can check by hand: the textbook continuous beams
// (3wL/8, 10wL/8, 3wL/8; 0,4wL and 1,1wL), the propped cantilever (5wL/8, 3wL/8, -wL^2/8), the
// beam fixed at both ends, cantilevers and overhangs, point loads on and near supports, and
// sloped beams, whose vertical reactions are those of the horizontal beam under the same
// vertical loads. Every load of the table has Yf 1,2 and Kd 0,5, so the expected values are
// the normative ones and the design and long-term reactions follow from them.
#include "statics/SupportReactions.h"

#include "statics/Deflections.h"
#include "statics/Statics.h"

#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::LoadValue;
using statics_test::MakeBeam;

constexpr float Yf = 1.2f;
constexpr float Kd = 0.5f;
// 100 kg/m or kg as entered, with the table's factors.
constexpr LoadValue W100{100, Yf, Kd};

struct ExpectedSupport {
    int32_t x;                    // mm from the left end
    double normative;             // kg
    std::optional<double> moment; // kg*m from the design loads
};

struct ReactionCase {
    const char* name;
    std::function<TBeam()> build;
    std::vector<ExpectedSupport> supports;
};

void PrintTo(const ReactionCase& c, std::ostream* os) {
    *os << c.name;
}

class SupportReactionsTableTest : public ::testing::TestWithParam<ReactionCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(SupportReactionsTableTest, MatchTheHandCalculation) {
    const ReactionCase& c = GetParam();
    const TSupportReactions reactions = ComputeSupportReactions(c.build());
    ASSERT_EQ(reactions.Supports.size(), c.supports.size());
    double loads = 0;
    for (std::size_t i = 0; i < c.supports.size(); ++i) {
        SCOPED_TRACE(i);
        const TSupportReaction& got = reactions.Supports[i];
        const ExpectedSupport& want = c.supports[i];
        EXPECT_EQ(got.X, want.x);
        ExpectClose(got.Normative, want.normative);
        ExpectClose(got.Design, want.normative * Yf);
        ExpectClose(got.LongTerm, want.normative * Kd);
        ASSERT_EQ(got.Moment.has_value(), want.moment.has_value());
        if (want.moment) {
            ExpectClose(*got.Moment, *want.moment);
        }
        loads += want.normative * Yf;
    }
    EXPECT_TRUE(reactions.Balanced);
    ExpectClose(reactions.DesignReactionSum, loads);
    ExpectClose(reactions.DesignLoadSum, loads);
}

INSTANTIATE_TEST_SUITE_P(
    Beams, SupportReactionsTableTest,
    ::testing::Values(
        ReactionCase{"TwoEqualSpansUniform",
                     [] {
                         TBeam b = MakeBeam({6000, 6000}, SupportHinge, SupportHinge);
                         AddBeamLoad(b, W100);
                         return b;
                     },
                     {{0, 225, {}}, {6000, 750, {}}, {12000, 225, {}}}},
        ReactionCase{"ThreeEqualSpansUniform",
                     [] {
                         TBeam b = MakeBeam({4000, 4000, 4000}, SupportHinge, SupportHinge);
                         AddBeamLoad(b, W100);
                         return b;
                     },
                     {{0, 160, {}}, {4000, 440, {}}, {8000, 440, {}}, {12000, 160, {}}}},
        ReactionCase{"ProppedCantilever",
                     [] {
                         TBeam b = MakeBeam({6000}, SupportFixed, SupportHinge);
                         AddSpanLoad(b, 0, W100);
                         return b;
                     },
                     {{0, 375, -540}, {6000, 225, {}}}},
        ReactionCase{"ProppedCantileverFixedOnTheRight",
                     [] {
                         TBeam b = MakeBeam({6000}, SupportHinge, SupportFixed);
                         AddSpanLoad(b, 0, W100);
                         return b;
                     },
                     {{0, 225, {}}, {6000, 375, -540}}},
        ReactionCase{"FixedAtBothEnds",
                     [] {
                         TBeam b = MakeBeam({6000}, SupportFixed, SupportFixed);
                         AddSpanLoad(b, 0, W100);
                         return b;
                     },
                     {{0, 300, -360}, {6000, 300, -360}}},
        ReactionCase{"CantileverWithPointAtItsFreeEnd",
                     [] {
                         TBeam b = MakeBeam({2000}, SupportFixed, SupportFree);
                         AddSpanLoad(b, 0, W100);
                         AddPointLoad(b, 0, {50, Yf, Kd}, 2000);
                         return b;
                     },
                     // -(120 x 2^2 / 2 + 60 x 2)
                     {{0, 250, -360}}},
        ReactionCase{"OverhangsAtBothEnds",
                     [] {
                         TBeam b = MakeBeam({2000, 6000, 2000}, SupportFree, SupportFree);
                         AddBeamLoad(b, W100);
                         return b;
                     },
                     {{2000, 500, {}}, {8000, 500, {}}}},
        ReactionCase{"LeftOverhangWithPointAtItsFreeEnd",
                     [] {
                         TBeam b = MakeBeam({1500, 4000}, SupportFree, SupportHinge);
                         AddBeamLoad(b, W100);
                         AddPointLoad(b, 0, {200, Yf, Kd}, 0);
                         return b;
                     },
                     // 550 x 2,75 / 4 + 200 x 5,5 / 4; the rest of 750 on the right
                     {{1500, 653.125, {}}, {5500, 96.875, {}}}},
        ReactionCase{"FixedEndWithRightOverhang",
                     [] {
                         TBeam b = MakeBeam({3000, 1000}, SupportFixed, SupportFree);
                         AddBeamLoad(b, W100);
                         return b;
                     },
                     // The overhang's -50 at the support against -wL^2/12 = -75 there: the
                     // support turns, -75 + 25 at it and -75 - 12,5 at the fixed end (x 1,2).
                     {{0, 162.5, -105}, {3000, 237.5, {}}}},
        ReactionCase{"PointOnTheIntermediateSupport",
                     [] {
                         TBeam b = MakeBeam({3000, 3000}, SupportHinge, SupportHinge);
                         AddPointLoad(b, 1, {1000, Yf, Kd}, 0);
                         return b;
                     },
                     {{0, 0, {}}, {3000, 1000, {}}, {6000, 0, {}}}},
        ReactionCase{"PointAtTheEndOfTheFirstSpan",
                     [] {
                         TBeam b = MakeBeam({3000, 3000}, SupportHinge, SupportHinge);
                         AddPointLoad(b, 0, {1000, Yf, Kd}, 3000);
                         return b;
                     },
                     {{0, 0, {}}, {3000, 1000, {}}, {6000, 0, {}}}},
        ReactionCase{"PointOnTheLeftEnd",
                     [] {
                         TBeam b = MakeBeam({3000, 3000}, SupportHinge, SupportHinge);
                         AddPointLoad(b, 0, {1000, Yf, Kd}, 0);
                         return b;
                     },
                     {{0, 1000, {}}, {3000, 0, {}}, {6000, 0, {}}}},
        ReactionCase{"PointNearTheIntermediateSupport",
                     [] {
                         TBeam b = MakeBeam({3000, 3000}, SupportHinge, SupportHinge);
                         AddPointLoad(b, 1, {1000, Yf, Kd}, 100);
                         return b;
                     },
                     // MB = -P a b (L + b) / (4 L^2) = -47,528; the left end lifts
                     {{0, -15.842593, {}}, {3000, 998.35185, {}}, {6000, 17.490741, {}}}},
        ReactionCase{"PointNearTheFixedEnd",
                     [] {
                         TBeam b = MakeBeam({4000}, SupportFixed, SupportHinge);
                         AddPointLoad(b, 0, {1000, Yf, Kd}, 200);
                         return b;
                     },
                     // RB = P a^2 (3L - a) / (2 L^3); MA = -P a b (L + b) / (2 L^2) x 1,2
                     {{0, 996.3125, -222.3}, {4000, 3.6875, {}}}},
        ReactionCase{"SlopedTwoEqualSpans",
                     [] {
                         TBeam b = MakeBeam({3000, 3000}, SupportHinge, SupportHinge, 30);
                         AddBeamLoad(b, W100);
                         return b;
                     },
                     {{0, 112.5, {}}, {3000, 375, {}}, {6000, 112.5, {}}}},
        ReactionCase{"SlopedSpanWithPoint",
                     [] {
                         TBeam b = MakeBeam({3000}, SupportHinge, SupportHinge, 30);
                         AddBeamLoad(b, W100);
                         AddPointLoad(b, 0, {300, Yf, Kd}, 1000);
                         return b;
                     },
                     {{0, 350, {}}, {3000, 250, {}}}},
        ReactionCase{"SlopedFixedEndWithRightOverhang",
                     [] {
                         TBeam b = MakeBeam({3000, 1500}, SupportFixed, SupportFree, 30);
                         AddBeamLoad(b, W100);
                         return b;
                     },
                     // The overhang's -112,5 against -75: -75 + 18,75 at the fixed end.
                     {{0, 131.25, -67.5}, {3000, 318.75, {}}}}),
    [](const ::testing::TestParamInfo<ReactionCase>& info) { return info.param.name; });

class SupportReactionsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SupportReactionsTest, LongTermPartTakesEachLoadsOwnKd) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100, 1.1f, 1});    // permanent
    AddSpanLoad(beam, 0, {200, 1.4f, 0.5f}); // snow
    const TSupportReactions reactions = ComputeSupportReactions(beam);
    ASSERT_EQ(reactions.Supports.size(), 2u);
    for (const TSupportReaction& support : reactions.Supports) {
        ExpectClose(support.Normative, 300 * 3);
        ExpectClose(support.LongTerm, (100 + 100) * 3);
        ExpectClose(support.Design, (110 + 280) * 3);
    }
}

TEST_F(SupportReactionsTest, SlopedBeamGivesVerticalForces) {
    TBeam sloped = MakeBeam({3000}, SupportHinge, SupportHinge, 30);
    AddBeamLoad(sloped, W100);
    EXPECT_TRUE(ComputeSupportReactions(sloped).Sloped);
    TBeam level = MakeBeam({3000}, SupportHinge, SupportHinge);
    AddBeamLoad(level, W100);
    EXPECT_FALSE(ComputeSupportReactions(level).Sloped);
}

// The design's deflection run overwrites the loads across the axis and the span terms of the
// beam; the reactions come from the entered values and are the same before and after.
TEST_F(SupportReactionsTest, BeamIsLeftAsItIsAndItsDeflectionRunDoesNotMatter) {
    TBeam beam = MakeBeam({4000, 5000}, SupportFixed, SupportHinge, 20);
    AddBeamLoad(beam, W100);
    AddPointLoad(beam, 1, {500, Yf, Kd}, 1500);
    RunStatics(beam);
    const TSpan before = beam.Spans[1];
    const float endShear = beam.Spans[0].QLeft[0];
    const TSupportReactions first = ComputeSupportReactions(beam);
    EXPECT_EQ(beam.Spans[1].MA, before.MA);
    EXPECT_EQ(beam.Spans[1].RA0, before.RA0);
    EXPECT_EQ(beam.Spans[1].Loads[1].NormalValue, before.Loads[1].NormalValue);

    TBeamCalc calc;
    calc.Modulus = 14000;
    calc.Inertia = 20000;
    calc.SpanCalcs.assign(beam.Spans.size(), TSpanCalc{});
    ComputeDeflections(beam, calc, TDeflectionLoads::LongTerm);
    ASSERT_NE(beam.Spans[1].MA, before.MA);
    const TSupportReactions second = ComputeSupportReactions(beam);
    ASSERT_EQ(second.Supports.size(), first.Supports.size());
    for (std::size_t i = 0; i < first.Supports.size(); ++i) {
        EXPECT_EQ(second.Supports[i].Design, first.Supports[i].Design);
        EXPECT_EQ(second.Supports[i].LongTerm, first.Supports[i].LongTerm);
        EXPECT_EQ(second.Supports[i].Moment, first.Supports[i].Moment);
    }
    // The design reaction of the fixed end is the first span's end shear, made vertical.
    ExpectClose(first.Supports[0].Design, endShear / SlopeCosine(beam.SlopeAngle));
}

TEST_F(SupportReactionsTest, UnloadedBeamHasZeroReactions) {
    const TSupportReactions reactions =
        ComputeSupportReactions(MakeBeam({3000, 3000}, SupportFixed, SupportFree));
    ASSERT_EQ(reactions.Supports.size(), 2u);
    for (const TSupportReaction& support : reactions.Supports) {
        EXPECT_EQ(support.Design, 0.0f);
    }
    EXPECT_TRUE(reactions.Balanced);
    EXPECT_EQ(ReactionBalanceMessage(reactions), "");
}

TEST_F(SupportReactionsTest, NoSupportsWithoutSpansOrWhenTheEndsCannotCarryLoad) {
    EXPECT_TRUE(ComputeSupportReactions(TBeam{}).Supports.empty());
    TBeam unstable = MakeBeam({3000}, SupportHinge, SupportFree);
    AddSpanLoad(unstable, 0, W100);
    EXPECT_TRUE(ComputeSupportReactions(unstable).Supports.empty());
    TBeam twoFree = MakeBeam({3000, 3000}, SupportFree, SupportFree);
    AddSpanLoad(twoFree, 0, W100);
    EXPECT_TRUE(ComputeSupportReactions(twoFree).Supports.empty());
}

// A load the statics sees over twice its horizontal length carries twice its weight into the
// supports: the totals differ and the program says so.
TEST_F(SupportReactionsTest, ReactionsThatDoNotAddUpAreReported) {
    TBeam beam = MakeBeam({4000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100, 1, 1});
    beam.Spans[0].Loads[0].SlopeLength *= 2;
    const TSupportReactions reactions = ComputeSupportReactions(beam);
    EXPECT_FALSE(reactions.Balanced);
    ExpectClose(reactions.DesignLoadSum, 400);
    EXPECT_EQ(ReactionBalanceMessage(reactions),
              "Сумма реакций опор (800 кг) не совпадает с суммой расчетных нагрузок (400 кг).");
}

} // namespace
} // namespace balka
