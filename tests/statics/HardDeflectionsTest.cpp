// Deflections of a lightly loaded short span beside a heavily loaded long one, against the exact
// solution of the two-span beam on three hinged supports. The short span bends under the support
// moment of the long one; its own light load makes the slope's cubic coefficient tiny beside the
// others, where the closed-form root search loses its zero. Exact solution (E I = 1, V'' = M):
// each span, simply supported with end moments MA, MB and part loads w on [s, e], has
//   W(x) = RA x^3/6 - sum w (<x-s>^4 - <x-e>^4)/24 + MA (x^2/2 - x^3/(6L)) + MB x^3/(6L),
//   V(x) = W(x) - x W(L)/L,  RA = sum w (e-s) (L - (s+e)/2) / L,
// and the support moment MB at the inner support makes the slopes meet: V1'(L1) = V2'(0).
#include "statics/Deflections.h"

#include "statics/SpanDeflection.h"
#include "statics/SpanTerms.h"
#include "statics/Statics.h"

#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

namespace balka {
namespace {

using statics_test::AddBeamLoad;
using statics_test::AddPartLoad;
using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::MakeBeam;

constexpr double E = 14000; // MPa
constexpr double I = 20000; // cm4
constexpr double EI = E * I;

struct ExactLoad {
    double W; // kg/m
    double S; // m from the span's left support
    double E;
};

struct ExactSpan {
    double L;
    std::vector<ExactLoad> Loads;
};

double Cut(double v) {
    return v > 0 ? v : 0.0;
}

// V and V' of one span for its end moments.
struct SpanLine {
    const ExactSpan& Span;
    double MA;
    double MB;

    double Reaction() const {
        double ra = 0;
        for (const ExactLoad& load : Span.Loads) {
            ra += load.W * (load.E - load.S) * (Span.L - (load.S + load.E) / 2) / Span.L;
        }
        return ra;
    }
    double W(double x) const {
        const double L = Span.L;
        double w = Reaction() * x * x * x / 6 + MA * (x * x / 2 - x * x * x / (6 * L)) +
                   MB * x * x * x / (6 * L);
        for (const ExactLoad& load : Span.Loads) {
            w -= load.W * (std::pow(Cut(x - load.S), 4) - std::pow(Cut(x - load.E), 4)) / 24;
        }
        return w;
    }
    double DW(double x) const {
        const double L = Span.L;
        double d = Reaction() * x * x / 2 + MA * (x - x * x / (2 * L)) + MB * x * x / (2 * L);
        for (const ExactLoad& load : Span.Loads) {
            d -= load.W * (std::pow(Cut(x - load.S), 3) - std::pow(Cut(x - load.E), 3)) / 6;
        }
        return d;
    }
    double V(double x) const { return W(x) - x * W(Span.L) / Span.L; }
    double Slope(double x) const { return DW(x) - W(Span.L) / Span.L; }
};

// The inner support moment of two spans on hinges: the slopes at the support meet.
double InnerMoment(const ExactSpan& left, const ExactSpan& right) {
    const auto mismatch = [&](double m) {
        return SpanLine{left, 0, m}.Slope(left.L) - SpanLine{right, m, 0}.Slope(0);
    };
    const double atZero = mismatch(0);
    return -atZero / (mismatch(1) - atZero);
}

struct ExactPeak {
    double X = 0;
    double Value = 0; // |V|, kg*m3
};

// The largest |V| of a span: a scan every 0.1 mm, then golden sections around the best point.
ExactPeak LargestDeflection(const SpanLine& line) {
    ExactPeak best;
    const double step = 1e-4;
    for (double x = 0; x <= line.Span.L; x += step) {
        if (std::fabs(line.V(x)) > best.Value) {
            best = {x, std::fabs(line.V(x))};
        }
    }
    double lo = std::max(0.0, best.X - step);
    double hi = std::min(line.Span.L, best.X + step);
    for (int i = 0; i < 100; ++i) {
        const double a = hi - 0.618033988749895 * (hi - lo);
        const double b = lo + 0.618033988749895 * (hi - lo);
        if (std::fabs(line.V(a)) < std::fabs(line.V(b))) {
            lo = a;
        } else {
            hi = b;
        }
    }
    const double x = (lo + hi) / 2;
    return {x, std::fabs(line.V(x))};
}

// A load as the test beams take it: kg/m on [StartMm, StartMm + LengthMm] of its span.
struct CaseLoad {
    int Span;
    float W;
    int32_t StartMm; // a negative start stands for a load on the whole span
    int32_t LengthMm;
};

struct HardCase {
    const char* Name;
    int32_t LeftMm;
    int32_t RightMm;
    std::vector<CaseLoad> Loads;
    int CheckedSpan;
};

void PrintTo(const HardCase& c, std::ostream* out) {
    *out << c.Name;
}

class HardDeflectionTest : public ::testing::TestWithParam<HardCase> {};

TEST_P(HardDeflectionTest, LargestDeflectionMatchesTheExactSolution) {
    const HardCase& c = GetParam();
    TBeam beam = MakeBeam({c.LeftMm, c.RightMm}, SupportHinge, SupportHinge);
    std::vector<ExactSpan> exact{{c.LeftMm * 0.001, {}}, {c.RightMm * 0.001, {}}};
    for (const CaseLoad& load : c.Loads) {
        ExactSpan& span = exact[static_cast<size_t>(load.Span)];
        if (load.StartMm < 0) {
            AddSpanLoad(beam, load.Span, {load.W});
            span.Loads.push_back({load.W, 0, span.L});
        } else {
            AddPartLoad(beam, load.Span, {load.W}, load.StartMm, load.LengthMm);
            span.Loads.push_back(
                {load.W, load.StartMm * 0.001, (load.StartMm + load.LengthMm) * 0.001});
        }
    }
    RunStatics(beam);
    TBeamCalc calc;
    calc.Modulus = static_cast<float>(E);
    calc.Inertia = static_cast<float>(I);
    calc.SpanCalcs.assign(2, TSpanCalc{});
    ComputeDeflections(beam, calc, TDeflectionLoads::ShortTerm);

    const double moment = InnerMoment(exact[0], exact[1]);
    const SpanLine line =
        c.CheckedSpan == 0 ? SpanLine{exact[0], 0, moment} : SpanLine{exact[1], moment, 0};
    const ExactPeak peak = LargestDeflection(line);
    const double expected = 1e6 * peak.Value / EI;
    const TSpanCalc& result = calc.SpanCalcs[static_cast<size_t>(c.CheckedSpan)];
    EXPECT_NEAR(result.BendingDeflection, expected, 1e-3 * expected);
    EXPECT_NEAR(result.MaxDeflectionX, peak.X, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    LightShortSpanBesideAHeavyOne, HardDeflectionTest,
    ::testing::Values(
        // The short span's part load splits it into three intervals; the root of the middle
        // one, where the peak lies, used to be lost (32 mm instead of some 57 mm).
        HardCase{"PartLoadOnTheShortSpan", 946, 11332, {{1, 50000, -1, 0}, {0, 0.5f, 200, 500}}, 0},
        // One interval only: a lost root left nothing but its start, U0 = 0.
        HardCase{
            "WholeSpanLoadOnTheShortSpan", 946, 11332, {{1, 50000, -1, 0}, {0, 0.5f, -1, 0}}, 0},
        HardCase{"ShortSpanOnTheRight", 11332, 946, {{0, 50000, -1, 0}, {1, 0.5f, 300, 400}}, 1},
        // The heavy span itself has an ordinary cubic: its numbers come from the root search.
        HardCase{"TheHeavySpan", 946, 11332, {{1, 50000, -1, 0}, {0, 0.5f, 200, 500}}, 1}),
    [](const ::testing::TestParamInfo<HardCase>& info) { return info.param.Name; });

struct OrdinaryCase {
    const char* Name;
    std::function<TBeam()> Make;
};

void PrintTo(const OrdinaryCase& c, std::ostream* out) {
    *out << c.Name;
}

class OrdinaryDeflectionTest : public ::testing::TestWithParam<OrdinaryCase> {};

// Where the root search finds the largest deflection, the samples only confirm it: the span's
// maximum and its x stay the very floats the root search gave.
TEST_P(OrdinaryDeflectionTest, KeepsTheRootSearchsNumbersToTheLastDigit) {
    TBeam beam = GetParam().Make();
    RunStatics(beam);
    PrepareDeflectionLoads(beam, TDeflectionLoads::ShortTerm);
    RerunStaticsForDeflection(beam);
    TBeamCalc calc;
    calc.SpanCalcs.assign(beam.Spans.size(), TSpanCalc{});
    BuildBreakPoints(beam, calc);
    TDeflectionRun run;
    run.Modulus = static_cast<float>(E);
    run.Inertia = static_cast<float>(I);
    for (size_t i = 0; i < beam.Spans.size(); ++i) {
        const TSpan& span = beam.Spans[i];
        if (span.Type != SpanHingeHinge && span.Type != SpanRestrainedBoth &&
            span.Type != SpanRestrainedHinge && span.Type != SpanHingeRestrained) {
            continue;
        }
        TSpanCalc& spanCalc = calc.SpanCalcs[i];
        ComputeStartSlope(span, spanCalc);
        for (int j = 0; j + 1 < static_cast<int>(spanCalc.BreakPoints.size()); ++j) {
            FindSpanDeflection(span, static_cast<int>(i), j, spanCalc, run);
        }
        const float rootMaximum = spanCalc.BendingDeflection;
        const float rootX = spanCalc.MaxDeflectionX;
        ASSERT_GT(rootMaximum, 0.0f) << "span " << i;
        RefineSpanDeflection(span, spanCalc, run);
        EXPECT_EQ(spanCalc.BendingDeflection, rootMaximum) << "span " << i;
        EXPECT_EQ(spanCalc.MaxDeflectionX, rootX) << "span " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Beams, OrdinaryDeflectionTest,
    ::testing::Values(
        OrdinaryCase{"UniformLoadOnOneSpan",
                     [] {
                         TBeam beam = MakeBeam({6000}, SupportHinge, SupportHinge);
                         AddSpanLoad(beam, 0, {100});
                         return beam;
                     }},
        OrdinaryCase{"PointLoadAtMidSpan",
                     [] {
                         TBeam beam = MakeBeam({5000}, SupportHinge, SupportHinge);
                         AddPointLoad(beam, 0, {700}, 2500);
                         return beam;
                     }},
        OrdinaryCase{"ThreeSpansWithEveryKindOfLoad",
                     [] {
                         TBeam beam = MakeBeam({4000, 5000, 3500}, SupportFixed, SupportHinge);
                         AddBeamLoad(beam, {120});
                         AddPartLoad(beam, 0, {300}, 1000, 1500);
                         AddPointLoad(beam, 1, {900}, 1800);
                         AddSpanLoad(beam, 2, {250});
                         return beam;
                     }},
        OrdinaryCase{"SlopedRafter",
                     [] {
                         TBeam beam = MakeBeam({4500, 3000}, SupportHinge, SupportHinge, 30);
                         AddBeamLoad(beam, {180});
                         AddPointLoad(beam, 0, {150}, 2000);
                         return beam;
                     }}),
    [](const ::testing::TestParamInfo<OrdinaryCase>& info) { return info.param.Name; });

} // namespace
} // namespace balka
