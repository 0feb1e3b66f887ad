// The coefficient tables and formulas in 32-bit float arithmetic, factors multiplied in the
// order the design rules list them, so the printed report reproduces the same digits.
#include "design/DesignCoefficients.h"

#include <array>

namespace balka {
namespace {

// A long-term share at or above this fraction lowers the strengths and the modulus.
constexpr float LongTermLimit = 0.8f;

struct HeightKnot {
    int32_t Height; // mm
    float Factor;
};

// mб at the ends of its intervals; linear between, constant outside.
constexpr std::array<HeightKnot, 6> HeightKnots{{
    {500, 1.0f},
    {600, 0.96f},
    {700, 0.93f},
    {800, 0.9f},
    {1000, 0.85f},
    {1200, 0.8f},
}};

float DurationFactor(float longTerm, float total) {
    if (total == 0) {
        return 1.0f;
    }
    return longTerm / total >= LongTermLimit ? 0.8f : 1.0f;
}

float SharePercent(float longTerm, float total) {
    if (total == 0) {
        return 0.0f;
    }
    return 100.0f * longTerm / total;
}

} // namespace

void ComputeDurationFactors(TBeamCalc& calc, const TBeam& beam) {
    float designTotal = 0;       // A
    float designLongTerm = 0;    // B
    float normativeTotal = 0;    // C
    float normativeLongTerm = 0; // D
    for (const TSpan& span : beam.Spans) {
        for (const TLoad& load : span.Loads) {
            // F * w is the load's resultant in kg: a distributed load over its length in metres.
            const float w =
                load.Type == LoadPoint ? 1.0f : static_cast<float>(load.Length) * 0.001f;
            designTotal += load.F * load.Yf * w;
            designLongTerm += load.F * load.Yf * load.Kd * w;
            normativeTotal += load.F * w;
            normativeLongTerm += load.F * load.Kd * w;
        }
    }
    calc.DurationFactorStrength = DurationFactor(designLongTerm, designTotal);
    calc.DurationFactorStiffness = DurationFactor(normativeLongTerm, normativeTotal);
    calc.LongTermShareDesign = SharePercent(designLongTerm, designTotal);
    calc.LongTermShareNormative = SharePercent(normativeLongTerm, normativeTotal);
}

void ComputeServiceFactor(TBeamCalc& calc, const TDesignInput& input) {
    switch (input.ServiceClass) {
    case 2:
        calc.ServiceFactor = 0.9f;
        break;
    case 3:
        calc.ServiceFactor = 0.85f;
        break;
    default:
        calc.ServiceFactor = 1.0f;
        break;
    }
}

void ComputeTemperatureFactor(TBeamCalc& calc, const TDesignInput& input) {
    switch (input.TemperatureMode) {
    case TTemperatureMode::UpTo35:
        calc.TemperatureFactor = 1.0f;
        break;
    case TTemperatureMode::From35To50:
        // 1.0 at 35 °C down to 0.8 at 50 °C.
        calc.TemperatureFactor = 1.0f - static_cast<float>(input.Temperature - 35) / 75.0f;
        break;
    case TTemperatureMode::From50:
        calc.TemperatureFactor = 0.8f;
        break;
    }
}

void ComputeHeightFactor(TBeamCalc& calc, int32_t heightMm) {
    if (heightMm <= HeightKnots.front().Height) {
        calc.HeightFactor = HeightKnots.front().Factor;
        return;
    }
    for (size_t i = 1; i < HeightKnots.size(); ++i) {
        const HeightKnot& lower = HeightKnots[i - 1];
        const HeightKnot& upper = HeightKnots[i];
        if (heightMm <= upper.Height) {
            const float run = static_cast<float>(upper.Height - lower.Height);
            calc.HeightFactor = lower.Factor + static_cast<float>(heightMm - lower.Height) /
                                                   (run / (upper.Factor - lower.Factor));
            return;
        }
    }
    calc.HeightFactor = HeightKnots.back().Factor;
}

void ComputeImpregnationFactor(TBeamCalc& calc, const TDesignInput& input) {
    calc.ImpregnationFactor = input.Impregnated ? 0.9f : 1.0f;
}

void ComputeResponsibilityFactor(TBeamCalc& calc, const TDesignInput& input) {
    switch (input.ResponsibilityClass) {
    case 1:
        calc.ResponsibilityFactor = 1.05f;
        break;
    case 3:
        calc.ResponsibilityFactor = 0.9f;
        break;
    default:
        calc.ResponsibilityFactor = 1.0f;
        break;
    }
}

void ComputeDesignStrengths(TBeamCalc& calc, const TDesignInput& input) {
    calc.BendingStrengthNorm = input.Material.BendingStrength;
    calc.ShearStrengthNorm = input.Material.ShearStrength;
    calc.ModulusNorm = input.Material.Modulus;
    calc.BendingStrength = calc.BendingStrengthNorm * calc.DurationFactorStrength *
                           calc.ServiceFactor * calc.TemperatureFactor * calc.ImpregnationFactor *
                           calc.HeightFactor / calc.ResponsibilityFactor;
    calc.ShearStrength = calc.ShearStrengthNorm * calc.DurationFactorStrength * calc.ServiceFactor *
                         calc.TemperatureFactor * calc.ImpregnationFactor * calc.HeightFactor /
                         calc.ResponsibilityFactor;
    // The modulus depends neither on the height, the impregnation nor the responsibility.
    calc.Modulus = calc.ModulusNorm * calc.ServiceFactor * calc.TemperatureFactor *
                   calc.DurationFactorStiffness;
}

} // namespace balka
