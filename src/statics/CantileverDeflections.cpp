// Cantilever deflections in closed form; load sums run in the order of the span's load list,
// the point loads and the distributed loads summed apart.
#include "statics/CantileverDeflections.h"

#include "statics/SpanTerms.h"

#include <cmath>
#include <cstddef>

namespace balka {
namespace {

float Metres(int32_t mm) {
    return static_cast<float>(mm) * 0.001f;
}

struct LoadSums {
    float Point = 0;
    float Spread = 0;
};

// Which moment-area integral of the loads over a length l: the slope terms P (l - p)^2 / 2 and
// w ((l - s)^3 - (l - e)^3) / 6, or the deflection terms P (l - p)^3 / 6 and
// w ((l - s)^4 - (l - e)^4) / 24.
enum class FreeEndTerm { Slope, Deflection };

LoadSums FreeEndSums(const TSpan& span, float l, FreeEndTerm term) {
    LoadSums sums;
    for (const TLoad& load : span.Loads) {
        if (IsDistributedLoad(load)) {
            const float s = Metres(load.SlopeStart);
            const float e = s + Metres(load.SlopeLength);
            const float w = load.NormalValue;
            if (term == FreeEndTerm::Slope) {
                sums.Spread += w * ((l - s) * (l - s) * (l - s) - (l - e) * (l - e) * (l - e)) / 6;
            } else {
                sums.Spread += w *
                               ((l - s) * (l - s) * (l - s) * (l - s) -
                                (l - e) * (l - e) * (l - e) * (l - e)) /
                               24;
            }
        } else {
            const float P = load.NormalValue;
            const float p = Metres(load.SlopeStart);
            if (term == FreeEndTerm::Slope) {
                sums.Point += P * (l - p) * (l - p) / 2;
            } else {
                sums.Point += P * (l - p) * (l - p) * (l - p) / 6;
            }
        }
    }
    return sums;
}

void StoreFreeEnd(TSpanCalc& spanCalc, float V, float position, const TDeflectionRun& run) {
    DeflectionMaximum(spanCalc, run) = ScaledDeflection(std::fabs(V), run);
    spanCalc.MaxDeflectionX = position;
}

} // namespace

void LeftCantileverDeflection(const TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run) {
    const TSpan& overhang = beam.Spans.at(0);
    const float Lc = Metres(overhang.SlopeLength);
    const LoadSums slope = FreeEndSums(overhang, Lc, FreeEndTerm::Slope);
    const LoadSums deflection = FreeEndSums(overhang, Lc, FreeEndTerm::Deflection);
    const float F1 = -slope.Point - slope.Spread;
    const float F2 = -deflection.Point - deflection.Spread;
    const float theta1 = calc.SpanCalcs.at(1).StartSlope;
    const float V = -F2 - Lc * (theta1 - F1);
    StoreFreeEnd(calc.SpanCalcs.at(0), V, 0, run);
}

void RightCantileverDeflection(const TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run) {
    const std::size_t n = beam.Spans.size();
    const TSpan& held = beam.Spans.at(n - 2);
    const float La = Metres(held.SlopeLength);
    const float thetaA = calc.SpanCalcs.at(n - 2).StartSlope;
    const LoadSums heldSlope = FreeEndSums(held, La, FreeEndTerm::Slope);
    const float thetaB = thetaA + held.MA * La + (held.MB - held.MA) * La / 2 +
                         held.RA0 * La * La / 2 - heldSlope.Point - heldSlope.Spread;

    const TSpan& overhang = beam.Spans.at(n - 1);
    const float Lc = Metres(overhang.SlopeLength);
    const float Mc = overhang.MA;
    float pointTotal = 0;
    float spreadTotal = 0;
    for (const TLoad& load : overhang.Loads) {
        if (IsDistributedLoad(load)) {
            const float s = Metres(load.SlopeStart);
            const float e = s + Metres(load.SlopeLength);
            spreadTotal += load.NormalValue * (e - s);
        } else {
            pointTotal += load.NormalValue;
        }
    }
    const float T = pointTotal + spreadTotal;
    const LoadSums deflection = FreeEndSums(overhang, Lc, FreeEndTerm::Deflection);
    const float V = Mc * Lc * Lc / 2 + T * Lc * Lc * Lc / 6 - deflection.Point - deflection.Spread +
                    thetaB * Lc;
    StoreFreeEnd(calc.SpanCalcs.at(n - 1), V, Lc, run);
}

void SingleCantileverDeflection(const TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run) {
    const TSpan& span = beam.Spans.at(0);
    const bool leftFree = beam.LeftSupport == SupportFree;
    const float L = Metres(span.SlopeLength);
    float pointSum = 0;
    float spreadSum = 0;
    for (const TLoad& load : span.Loads) {
        if (IsDistributedLoad(load)) {
            const float s = Metres(load.SlopeStart);
            const float e = s + Metres(load.SlopeLength);
            const float g1 = leftFree ? L - e : s;
            const float g2 = leftFree ? L - s : e;
            spreadSum +=
                load.NormalValue *
                (4 * L * (g2 * g2 * g2 - g1 * g1 * g1) - (g2 * g2 * g2 * g2 - g1 * g1 * g1 * g1)) /
                24;
        } else {
            const float p = Metres(load.SlopeStart);
            const float h = leftFree ? L - p : p;
            pointSum += load.NormalValue * h * h * (3 * L - h) / 6;
        }
    }
    const float V = pointSum + spreadSum;
    TSpanCalc& spanCalc = calc.SpanCalcs.at(0);
    DeflectionMaximum(spanCalc, run) = ScaledDeflection(V, run);
    spanCalc.MaxDeflectionX = leftFree ? 0 : L;
}

} // namespace balka
