// Deflections without shear against the textbook: 5 w L^4 / 384 E I and P L^3 / 48 E I of a
// simply supported span, w L^4 / 8 E I and P L^3 / 3 E I of a cantilever, the overhangs at
// either end turned by the rotation of their support, long-term against short-term loads, a
// part load against a fine search of its deflection line, and the selection mode.
#include "statics/Deflections.h"

#include "statics/CubicRoots.h"
#include "statics/SpanDeflection.h"
#include "statics/Statics.h"

#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddPartLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::MakeBeam;

constexpr double E = 14000; // MPa
constexpr double I = 20000; // cm4
constexpr double EI = E * I;

class RecordingSink : public MessageSink {
  public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    std::vector<std::string> Messages;
};

class DeflectionsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    // Runs the statics of the design loads, then the deflections of the section E, I.
    TBeamCalc Deflect(TBeam& beam, bool longTerm = false) {
        RunStatics(beam);
        TBeamCalc calc;
        calc.Modulus = static_cast<float>(E);
        calc.Inertia = static_cast<float>(I);
        calc.SpanCalcs.assign(beam.Spans.size(), TSpanCalc{});
        ComputeDeflections(beam, calc,
                           longTerm ? TDeflectionLoads::LongTerm : TDeflectionLoads::ShortTerm);
        return calc;
    }
};

TEST_F(DeflectionsTest, SimpleSpanUnderUniformLoad) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100, 1.2f}); // deflections take F, not F x Yf
    const TBeamCalc calc = Deflect(beam);
    const TSpanCalc& span = calc.SpanCalcs[0];
    EXPECT_EQ(span.BreakPoints, (std::vector<int32_t>{0, 6000}));
    ExpectClose(beam.Spans[0].Loads[0].NormalValue, 100);
    ExpectClose(span.StartSlope, -100.0 * 216 / 24); // -w L^3 / 24
    ExpectClose(span.BendingDeflection, 1e6 * 5 * 100 * 1296 / (384 * EI));
    ExpectClose(span.MaxDeflectionX, 3);
}

TEST_F(DeflectionsTest, SimpleSpanUnderCentralPointLoad) {
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPointLoad(beam, 0, {1000}, 3000);
    const TBeamCalc calc = Deflect(beam);
    const TSpanCalc& span = calc.SpanCalcs[0];
    EXPECT_EQ(span.BreakPoints, (std::vector<int32_t>{0, 3000, 6000}));
    ExpectClose(span.BendingDeflection, 1e6 * 1000 * 216 / (48 * EI));
    ExpectClose(span.MaxDeflectionX, 3);
}

TEST_F(DeflectionsTest, SlopedSpanWorksAlongTheSlopeWithTheCrossComponent) {
    // 3000 mm at 60 degrees is 6000 mm along the slope; the load across it is F cos^2 = 25.
    TBeam beam = MakeBeam({3000}, SupportHinge, SupportHinge, 60);
    AddSpanLoad(beam, 0, {100});
    const TBeamCalc calc = Deflect(beam);
    ExpectClose(beam.Spans[0].Loads[0].NormalValue, 25);
    ExpectClose(calc.SpanCalcs[0].BendingDeflection, 1e6 * 5 * 25 * 1296 / (384 * EI));
}

TEST_F(DeflectionsTest, LongTermTakesTheLoadsTimesKd) {
    TBeam shortBeam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddSpanLoad(shortBeam, 0, {100, 1.2f, 0.5f});
    AddSpanLoad(shortBeam, 0, {40, 1.1f, 1.0f});
    TBeam longBeam = shortBeam;
    const TBeamCalc shortTerm = Deflect(shortBeam);
    const TBeamCalc longTerm = Deflect(longBeam, true);
    ExpectClose(shortTerm.SpanCalcs[0].BendingDeflection, 1e6 * 5 * 140 * 1296 / (384 * EI));
    ExpectClose(longTerm.SpanCalcs[0].BendingDeflection, 1e6 * 5 * 90 * 1296 / (384 * EI));
    ExpectClose(longBeam.Spans[0].Loads[0].NormalValue, 50);
    // The re-run statics now hold the deflection loads' support reactions.
    ExpectClose(longBeam.Spans[0].RA0, 90 * 3);
}

struct CantileverCase {
    const char* name;
    int32_t left;
    int32_t right;
    bool pointAtFreeEnd;
    double expectedV; // E I times the deflection, kg*m3, L = 2 m
    float freeEndX;
};

void PrintTo(const CantileverCase& c, std::ostream* os) {
    *os << c.name;
}

class SingleCantileverTest : public DeflectionsTest,
                             public ::testing::WithParamInterface<CantileverCase> {};

TEST_P(SingleCantileverTest, GivesTheTextbookTipDeflection) {
    const CantileverCase& c = GetParam();
    TBeam beam = MakeBeam({2000}, c.left, c.right);
    if (c.pointAtFreeEnd) {
        AddPointLoad(beam, 0, {500}, c.left == SupportFree ? 0 : 2000);
    } else {
        AddSpanLoad(beam, 0, {100});
    }
    const TBeamCalc calc = Deflect(beam);
    ExpectClose(calc.SpanCalcs[0].BendingDeflection, 1e6 * c.expectedV / EI);
    EXPECT_EQ(calc.SpanCalcs[0].MaxDeflectionX, c.freeEndX);
}

// w L^4 / 8 = 100 * 16 / 8, P L^3 / 3 = 500 * 8 / 3.
INSTANTIATE_TEST_SUITE_P(
    Ends, SingleCantileverTest,
    ::testing::Values(
        CantileverCase{"FreeRightUniform", SupportFixed, SupportFree, false, 200, 2},
        CantileverCase{"FreeRightPoint", SupportFixed, SupportFree, true, 500.0 * 8 / 3, 2},
        CantileverCase{"FreeLeftUniform", SupportFree, SupportFixed, false, 200, 0},
        CantileverCase{"FreeLeftPoint", SupportFree, SupportFixed, true, 500.0 * 8 / 3, 0}),
    [](const ::testing::TestParamInfo<CantileverCase>& info) { return info.param.name; });

// An overhang of Lc = 2 m beside a simply supported span of L = 6 m, w = 100 everywhere. The
// support moment w Lc^2 / 2 turns the span's end by theta = -w L^3 / 24 + (w Lc^2 / 2) L / 3
// (E I times, upward positive), and the free end moves by -Lc theta - w Lc^4 / 8.
double OverhangTip() {
    const double w = 100, L = 6, Lc = 2;
    const double theta = -w * L * L * L / 24 + w * Lc * Lc / 2 * L / 3;
    return std::fabs(-Lc * theta - w * Lc * Lc * Lc * Lc / 8);
}

TEST_F(DeflectionsTest, LeftOverhangTurnsWithItsSupport) {
    TBeam beam = MakeBeam({2000, 6000}, SupportFree, SupportHinge);
    AddBeamLoad(beam, {100});
    const TBeamCalc calc = Deflect(beam);
    ExpectClose(calc.SpanCalcs[0].BendingDeflection, 1e6 * OverhangTip() / EI);
    EXPECT_EQ(calc.SpanCalcs[0].MaxDeflectionX, 0.0f);
    // The span itself still closes on its far support (terms of some 10^4 cancel there).
    EXPECT_NEAR(DeflectionAt(beam.Spans[1], calc.SpanCalcs[1].StartSlope, 6.0f), 0, 0.01);
}

TEST_F(DeflectionsTest, RightOverhangTurnsWithItsSupport) {
    TBeam beam = MakeBeam({6000, 2000}, SupportHinge, SupportFree);
    AddBeamLoad(beam, {100});
    const TBeamCalc calc = Deflect(beam);
    ExpectClose(calc.SpanCalcs[1].BendingDeflection, 1e6 * OverhangTip() / EI);
    EXPECT_EQ(calc.SpanCalcs[1].MaxDeflectionX, 2.0f);
}

TEST_F(DeflectionsTest, PartLoadMatchesAFineSearchOfItsDeflectionLine) {
    // 100 kg/m from 1 m to 3.7 m of a 6 m span. The end of the load in metres, 1 + 2.7, is a
    // hair below the break point 3700 mm in float, yet the load still covers that interval.
    TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
    AddPartLoad(beam, 0, {100}, 1000, 2700);
    const TBeamCalc calc = Deflect(beam);
    EXPECT_EQ(calc.SpanCalcs[0].BreakPoints, (std::vector<int32_t>{0, 1000, 3700, 6000}));
    const double w = 100, L = 6, s = 1.0, e = 3.7;
    const double RA = w * (e - s) * (L - (s + e) / 2) / L;
    auto cut = [](double v) { return v > 0 ? v : 0.0; };
    auto V0 = [&](double x) {
        return RA * x * x * x / 6 - w * (std::pow(cut(x - s), 4) - std::pow(cut(x - e), 4)) / 24;
    };
    const double theta = -V0(L) / L;
    double largest = 0;
    double at = 0;
    for (int k = 0; k <= 600000; ++k) {
        const double x = k * 1e-5;
        if (std::fabs(theta * x + V0(x)) > largest) {
            largest = std::fabs(theta * x + V0(x));
            at = x;
        }
    }
    ExpectClose(calc.SpanCalcs[0].BendingDeflection, 1e6 * largest / EI);
    EXPECT_NEAR(calc.SpanCalcs[0].MaxDeflectionX, at, 1e-3);
    EXPECT_GT(at, 1.0);
    EXPECT_LT(at, 3.7);
}

TEST_F(DeflectionsTest, SelectionKeepsNumeratorsAndScalesThemPerSection) {
    TBeam designBeam = MakeBeam({4000, 5000, 2000}, SupportFixed, SupportFree);
    AddBeamLoad(designBeam, {100});
    AddPointLoad(designBeam, 1, {700}, 1800);
    AddPartLoad(designBeam, 0, {300}, 1000, 1000);
    TBeam selectionBeam = designBeam;
    const TBeamCalc design = Deflect(designBeam);

    RunStatics(selectionBeam);
    TBeamCalc selection;
    selection.SpanCalcs.assign(3, TSpanCalc{});
    RecordingSink sink;
    ComputeDeflectionNumerators(selectionBeam, selection, TDeflectionLoads::ShortTerm, sink);
    selection.Modulus = static_cast<float>(E);
    selection.Inertia = static_cast<float>(I);
    ScaleDeflections(selection, selectionBeam);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(::testing::Message() << "span " << i);
        EXPECT_GT(design.SpanCalcs[i].BendingDeflection, 0.0f);
        ExpectClose(selection.SpanCalcs[i].BendingDeflection,
                    design.SpanCalcs[i].BendingDeflection);
        ExpectClose(selection.SpanCalcs[i].DeflectionNumerator,
                    design.SpanCalcs[i].BendingDeflection * EI / 1e6);
    }
    // A stiffer section deflects proportionally less.
    selection.Inertia = static_cast<float>(2 * I);
    ScaleDeflections(selection, selectionBeam);
    ExpectClose(selection.SpanCalcs[1].BendingDeflection,
                design.SpanCalcs[1].BendingDeflection / 2);
}

TEST_F(DeflectionsTest, SelectionReportsASlopeWithoutRealZeros) {
    // A short second span with a point load near its support: the slope of its first interval,
    // a parabola, keeps one sign everywhere.
    TBeam beam = MakeBeam({6000, 2000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    AddPointLoad(beam, 1, {1000}, 200);
    TBeam designBeam = beam;
    RunStatics(beam);
    TBeamCalc calc;
    calc.SpanCalcs.assign(2, TSpanCalc{});
    RecordingSink sink;
    ComputeDeflectionNumerators(beam, calc, TDeflectionLoads::ShortTerm, sink);
    EXPECT_EQ(sink.Messages,
              (std::vector<std::string>{"На пролете № 2 прогиб определить не удалось, вероятно "
                                        "из-за его малого значения."}));
    EXPECT_GT(calc.SpanCalcs[1].DeflectionNumerator, 0.0f);
    // The design mode has no sink and computes the same span silently.
    const TBeamCalc design = Deflect(designBeam);
    ExpectClose(design.SpanCalcs[1].BendingDeflection,
                1e6 * calc.SpanCalcs[1].DeflectionNumerator / EI);
}

TEST_F(DeflectionsTest, BeamWithoutStaticsIsRefused) {
    TBeam beam = MakeBeam({3000}, SupportHinge, SupportFree);
    AddSpanLoad(beam, 0, {100});
    const TBeamCalc calc = Deflect(beam);
    EXPECT_EQ(calc.SpanCalcs[0].BendingDeflection, 0.0f);
    EXPECT_TRUE(calc.SpanCalcs[0].BreakPoints.empty());
}

TEST(SolveCubicTest, ThreeRealRoots) {
    // (x - 1)(x - 2)(x - 3) = x^3 - 6 x^2 + 11 x - 6
    std::vector<float> roots = SolveCubic({-6, 11, -6, 1});
    ASSERT_EQ(roots.size(), 3u);
    std::sort(roots.begin(), roots.end());
    EXPECT_NEAR(roots[0], 1, 1e-4);
    EXPECT_NEAR(roots[1], 2, 1e-4);
    EXPECT_NEAR(roots[2], 3, 1e-4);
}

TEST(SolveCubicTest, OneRealRootWithPositiveQ) {
    // (x - 4)(x^2 + 1) = x^3 - 4 x^2 + x - 4
    const std::vector<float> roots = SolveCubic({-4, 1, -4, 1});
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_NEAR(roots[0], 4, 1e-3);
}

TEST(SolveCubicTest, OneRealRootWithNegativeQ) {
    // x^3 + 3 x - 4 has the single real root 1.
    const std::vector<float> roots = SolveCubic({-4, 3, 0, 1});
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_NEAR(roots[0], 1, 1e-3);
}

TEST(SolveCubicTest, DoubleRoot) {
    // (x - 1)^2 (x + 2) = x^3 - 3 x + 2: Q = 1, Z = 1, D = 0.
    const std::vector<float> roots = SolveCubic({2, -3, 0, 1});
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_NEAR(roots[0], -2, 1e-5);
    EXPECT_NEAR(roots[1], 1, 1e-5);
}

} // namespace
} // namespace balka
