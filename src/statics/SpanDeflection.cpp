// Deflection line of a span. Every named quantity is a 32-bit float, powers are written as
// products, and the load sums run in the order of the span's load list. Whether a distributed
// load covers an interval or has ended before it is decided in whole millimetres: the metres of
// its end, s + length, can round below the break point built from the same millimetres, and
// the ended form would then give the interval the slope of a load that has stopped.
#include "statics/SpanDeflection.h"

#include "statics/SpanTerms.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace balka {
namespace {

struct LoadSpread {
    float s = 0; // start, m along the slope
    float e = 0; // end, m along the slope
};

LoadSpread SpreadOf(const TLoad& load) {
    const float s = static_cast<float>(load.SlopeStart) * 0.001f;
    return {s, s + static_cast<float>(load.SlopeLength) * 0.001f};
}

float Metres(int32_t mm) {
    return static_cast<float>(mm) * 0.001f;
}

float Cube(float v) {
    return v * v * v;
}
float Fourth(float v) {
    return v * v * v * v;
}

// A peak must exceed the root search's maximum by this share to replace it: far above the
// rounding of V in floats, far below any deflection that matters.
constexpr float kPeakMargin = 1e-4f;
// Golden-section steps: 0.618^48 shrinks any bracket by 10^-10, below a float's resolution of x.
constexpr int kGoldenSteps = 48;

struct Peak {
    float X = 0;
    float Value = 0; // |V| in the run's unit
};

float AbsoluteDeflection(const TSpan& span, const TSpanCalc& spanCalc, const TDeflectionRun& run,
                         float x) {
    return std::fabs(ScaledDeflection(DeflectionAt(span, spanCalc.StartSlope, x), run));
}

// The largest |V| on [lo, hi] by golden-section search; |V| has one peak in a bracket this small.
Peak RefinePeak(const TSpan& span, const TSpanCalc& spanCalc, const TDeflectionRun& run, float lo,
                float hi) {
    const float ratio = 0.618034f;
    float x1 = hi - ratio * (hi - lo);
    float x2 = lo + ratio * (hi - lo);
    float v1 = AbsoluteDeflection(span, spanCalc, run, x1);
    float v2 = AbsoluteDeflection(span, spanCalc, run, x2);
    for (int step = 0; step < kGoldenSteps; ++step) {
        if (v1 < v2) {
            lo = x1;
            x1 = x2;
            v1 = v2;
            x2 = lo + ratio * (hi - lo);
            v2 = AbsoluteDeflection(span, spanCalc, run, x2);
        } else {
            hi = x2;
            x2 = x1;
            v2 = v1;
            x1 = hi - ratio * (hi - lo);
            v1 = AbsoluteDeflection(span, spanCalc, run, x1);
        }
    }
    return v1 < v2 ? Peak{x2, v2} : Peak{x1, v1};
}

} // namespace

void ComputeStartSlope(const TSpan& span, TSpanCalc& spanCalc) {
    const float L = Metres(span.SlopeLength);
    float pointSum = 0;
    float spreadSum = 0;
    for (const TLoad& load : span.Loads) {
        if (IsDistributedLoad(load)) {
            const LoadSpread spread = SpreadOf(load);
            const float w = load.NormalValue;
            spreadSum += w * (Fourth(L - spread.s) - Fourth(L - spread.e)) / 24;
        } else {
            const float P = load.NormalValue;
            const float p = Metres(load.SlopeStart);
            pointSum += P * Cube(L - p) / 6;
        }
    }
    const float G = -pointSum - spreadSum;
    spanCalc.StartSlope =
        -(G + L * L * (span.MB - span.MA) / 6 + L * L * L * span.RA0 / 6 + L * L * span.MA / 2) / L;
}

float DeflectionAt(const TSpan& span, float startSlope, float x) {
    const float L = Metres(span.SlopeLength);
    float pointSum = 0;
    float spreadSum = 0;
    for (const TLoad& load : span.Loads) {
        if (IsDistributedLoad(load)) {
            const LoadSpread spread = SpreadOf(load);
            if (spread.s < x) {
                const float w = load.NormalValue;
                spreadSum += w * (Fourth(x - spread.s) - Fourth(x - std::min(spread.e, x))) / 24;
            }
        } else {
            const float p = Metres(load.SlopeStart);
            if (p < x) {
                pointSum += load.NormalValue * Cube(x - p) / 6;
            }
        }
    }
    return startSlope * x + span.MA * x * x / 2 + span.RA0 * x * x * x / 6 +
           (span.MB - span.MA) * x * x * x / (6 * L) - pointSum - spreadSum;
}

TSlopeCubic SlopeCoefficients(const TSpan& span, const TSpanCalc& spanCalc, int interval) {
    const int32_t bMm = spanCalc.BreakPoints.at(static_cast<std::size_t>(interval) + 1);
    const float b = Metres(bMm);
    const float L = Metres(span.SlopeLength);
    TSlopeCubic k;
    for (const TLoad& load : span.Loads) {
        const float w = load.NormalValue;
        if (!IsDistributedLoad(load)) {
            const float p = Metres(load.SlopeStart);
            if (p < b) {
                k.c2 -= w / 2;
                k.c1 += w * p;
                k.c0 -= w * p * p / 2;
            }
            continue;
        }
        const LoadSpread spread = SpreadOf(load);
        const float s = spread.s;
        const float e = spread.e;
        const int32_t endMm = load.SlopeStart + load.SlopeLength;
        if (load.SlopeStart < bMm && endMm >= bMm) {
            k.c3 -= w / 6;
            k.c2 += w * s / 2;
            k.c1 -= w * s * s / 2;
            k.c0 += w * s * s * s / 6;
        } else if (endMm < bMm) {
            k.c2 += w * (s - e) / 2;
            k.c1 -= w * (s * s - e * e) / 2;
            k.c0 += w * (s * s * s - e * e * e) / 6;
        }
    }
    k.c2 += (span.MB - span.MA) / (2 * L) + span.RA0 / 2;
    k.c1 += span.MA;
    k.c0 += spanCalc.StartSlope;
    return k;
}

void FindSpanDeflection(const TSpan& span, int spanIndex, int interval, TSpanCalc& spanCalc,
                        const TDeflectionRun& run) {
    const float a = Metres(spanCalc.BreakPoints.at(static_cast<std::size_t>(interval)));
    const float b = Metres(spanCalc.BreakPoints.at(static_cast<std::size_t>(interval) + 1));
    const TSlopeCubic k = SlopeCoefficients(span, spanCalc, interval);

    std::vector<float> roots;
    if (k.c3 == 0 && k.c2 == 0 && k.c1 != 0) {
        roots.push_back(-k.c0 / k.c1);
    }
    if (k.c3 == 0 && k.c2 != 0) {
        const float d = k.c1 * k.c1 - 4 * k.c2 * k.c0;
        if (d >= 0) {
            roots.push_back((std::sqrt(d) - k.c1) / (2 * k.c2));
            roots.push_back((-k.c1 - std::sqrt(d)) / (2 * k.c2));
        } else if (run.Mode == TDeflectionMode::Selection && run.Messages != nullptr) {
            run.Messages->ShowMessage(
                "На пролете № " + std::to_string(spanIndex + 1) +
                " прогиб определить не удалось, вероятно из-за его малого значения.");
        }
    }
    if (k.c3 != 0) {
        roots = SolveCubic(k);
    }

    std::vector<float> candidates{a};
    for (float r : roots) {
        if (r > 0 && r > a && r < b) {
            candidates.push_back(r);
        }
    }
    float& maximum = DeflectionMaximum(spanCalc, run);
    for (float x : candidates) {
        const float value = AbsoluteDeflection(span, spanCalc, run, x);
        // A NaN, once met, stays the maximum, so that no verdict can pass on it.
        if (!std::isnan(maximum) && (std::isnan(value) || value > maximum)) {
            maximum = value;
            spanCalc.MaxDeflectionX = x;
        }
    }
}

void RefineSpanDeflection(const TSpan& span, TSpanCalc& spanCalc, const TDeflectionRun& run) {
    float& maximum = DeflectionMaximum(spanCalc, run);
    if (std::isnan(maximum) || span.Length <= 0 || span.SampleX.size() < 3) {
        return;
    }
    // The statics' samples lie every 50 mm of the horizontal length; along the slope they stand
    // at the same share of the span.
    const float L = Metres(span.SlopeLength);
    std::vector<float> positions;
    for (const int32_t h : span.SampleX) {
        positions.push_back(
            std::min(L, L * static_cast<float>(h) / static_cast<float>(span.Length)));
    }
    std::vector<float> values;
    for (const float x : positions) {
        values.push_back(AbsoluteDeflection(span, spanCalc, run, x));
    }
    Peak best{spanCalc.MaxDeflectionX, maximum};
    for (std::size_t k = 1; k + 1 < positions.size(); ++k) {
        if (!(values[k] > 0) || values[k] < values[k - 1] || values[k] < values[k + 1]) {
            continue;
        }
        const Peak peak = RefinePeak(span, spanCalc, run, positions[k - 1], positions[k + 1]);
        if (peak.Value > best.Value) {
            best = peak;
        }
    }
    if (best.Value > maximum * (1.0f + kPeakMargin)) {
        maximum = best.Value;
        spanCalc.MaxDeflectionX = best.X;
    }
}

} // namespace balka
