// Working-condition coefficients of the timber design rules and the design values they give:
// the load-duration factors from the loads of the beam, the service-class, temperature,
// section-height, impregnation and responsibility factors from the design input, and the
// design bending strength R, shear strength Rs and modulus E (MPa). Each operation writes its
// own fields of TBeamCalc; ComputeDesignStrengths must run after all the factors are set.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"

#include <cstdint>

namespace balka {

// mд,1 and mд,2 with the long-term shares (%) of the design and the normative load. A beam
// whose loads sum to zero has no long-term share: both shares are 0 % and both factors 1.
void ComputeDurationFactors(TBeamCalc& calc, const TBeam& beam);
void ComputeServiceFactor(TBeamCalc& calc, const TDesignInput& input);
void ComputeTemperatureFactor(TBeamCalc& calc, const TDesignInput& input);
// From the section height in whole millimetres.
void ComputeHeightFactor(TBeamCalc& calc, int32_t heightMm);
void ComputeImpregnationFactor(TBeamCalc& calc, const TDesignInput& input);
void ComputeResponsibilityFactor(TBeamCalc& calc, const TDesignInput& input);
// Copies the material's normative values from the input and scales them by the factors.
void ComputeDesignStrengths(TBeamCalc& calc, const TDesignInput& input);

} // namespace balka
