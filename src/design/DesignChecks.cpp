// Section properties, force maxima, capacities and stability in 32-bit floats, each formula
// evaluated in the order it is written so the report can show the same numbers.
#include "design/DesignChecks.h"

#include "model/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace balka {
namespace {

// kф of a moment diagram on lp when the user gives none.
constexpr float DefaultShapeFactor = 1.13f;

// Marks a stability value the user left out.
constexpr float NotGiven = -1.0f;

} // namespace

void SetSection(TBeamCalc& calc, int32_t widthMm, int32_t heightMm, int32_t count) {
    // Held within int32 so that absurd typed sizes cannot overflow; real sections are far below.
    calc.WidthMm = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(widthMm) * count,
                                                          std::numeric_limits<int32_t>::max()));
    calc.HeightMm = heightMm;
    calc.ElementCount = count;
    calc.WidthCm = static_cast<float>(widthMm) * 0.1f * static_cast<float>(count);
    calc.HeightCm = static_cast<float>(heightMm) * 0.1f;
    const float b = calc.WidthCm;
    const float h = calc.HeightCm;
    calc.SectionModulus = b * h * h / 6.0f;
    calc.Inertia = b * h * h * h / 12.0f;
    calc.StaticMoment = b * h * h / 8.0f;
}

void ResetSpanResults(TBeamCalc& calc, const TBeam& beam) {
    calc.SpanCalcs.assign(beam.Spans.size(), TSpanCalc{});
}

void ComputeForceMaxima(TBeamCalc& calc, const TBeam& beam) {
    calc.MaxMoment = 0;
    calc.MaxShear = 0;
    for (size_t i = 0; i < beam.Spans.size() && i < calc.SpanCalcs.size(); ++i) {
        const TSpan& span = beam.Spans[i];
        float spanMax = std::fabs(span.MMax);
        RaiseMaximum(calc.MaxMoment, spanMax);
        for (float moment : span.M) {
            const float value = std::fabs(moment);
            RaiseMaximum(spanMax, value);
            RaiseMaximum(calc.MaxMoment, value);
        }
        for (float shear : span.QSeries) {
            RaiseMaximum(calc.MaxShear, std::fabs(shear));
        }
        calc.SpanCalcs[i].MaxMoment = spanMax;
    }
}

void ComputeCapacities(TBeamCalc& calc) {
    // W R is cm3 * MPa; 0.1 turns it into kg*m, 10 turns cm2 * MPa into kg.
    calc.MomentCapacity = calc.SectionModulus * 0.1f * calc.BendingStrength;
    calc.ShearCapacity =
        calc.ShearStrength * 10.0f * calc.Inertia * calc.WidthCm / calc.StaticMoment;
}

void StoreStabilityInputs(TBeamCalc& calc, const TDesignInput& input) {
    calc.Lp = input.Lp.value_or(NotGiven);
    calc.MomentLp = input.MomentLp.value_or(NotGiven);
    calc.Kf = input.Kf.value_or(NotGiven);
    calc.RestraintCount = input.RestraintCount.value_or(-1);
}

float TensileEdgeFactor(float lpCm, float heightCm, int32_t restraintCount) {
    const float bracket = 0.142f * lpCm / heightCm + 1.76f * heightCm / lpCm - 1.0f;
    // More than three restrained points count as a continuously restrained edge.
    if (restraintCount >= 4) {
        return 1.0f + bracket;
    }
    const float m2 = static_cast<float>(restraintCount * restraintCount);
    return 1.0f + bracket * m2 / (m2 + 1.0f);
}

void CheckStability(TBeamCalc& calc, const TBeam& beam) {
    const float b = calc.WidthCm;
    const float h = calc.HeightCm;
    // Given stability values are validated positive; -1 marks one that was left out.
    const bool lpGiven = calc.Lp > 0;
    const bool momentGiven = calc.MomentLp > 0;
    const bool shapeGiven = calc.Kf > 0;
    for (size_t i = 0; i < beam.Spans.size() && i < calc.SpanCalcs.size(); ++i) {
        TSpanCalc& spanCalc = calc.SpanCalcs[i];
        const float lp =
            lpGiven ? calc.Lp * 100.0f : static_cast<float>(beam.Spans[i].SlopeLength) * 0.1f;
        const float moment = momentGiven ? calc.MomentLp : spanCalc.MaxMoment;
        const float kf = shapeGiven ? calc.Kf : DefaultShapeFactor;
        float phi = 140.0f * b * b * kf / (lp * h);
        spanCalc.PhiM = phi;
        if (calc.RestraintCount >= 0) {
            spanCalc.Kpm = TensileEdgeFactor(lp, h, calc.RestraintCount);
            phi = phi * spanCalc.Kpm;
        }
        spanCalc.PhiMTotal = phi;
        spanCalc.Stress = 10.0f * moment / (phi * calc.SectionModulus);
        spanCalc.StressLimit = calc.BendingStrength;
    }
}

} // namespace balka
