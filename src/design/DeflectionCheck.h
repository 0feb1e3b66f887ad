// The deflection check of every span: the limit L/n (2L/n for a span with a free end), and the
// deflection with shear deformation from the bending deflection U0 of the statics.
// Lengths are along the slope; limits and deflections are millimetres.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"
#include "statics/DeflectionRun.h"

namespace balka {

// Which loads the deflections are computed from, as the user chose.
TDeflectionLoads DeflectionLoadsOf(const TDesignInput& input);
// The limits, the bending deflections U0 of the statics for the deflection loads, then the
// shear correction. Leaves the deflection loads' values in the beam's loads and span terms.
void RunDeflectionCheck(TBeamCalc& calc, TBeam& beam, const TDesignInput& input);
// Sets DeflectionLimit and DeflectionDivisor of every span and resets BendingDeflection.
void ComputeDeflectionLimits(TBeamCalc& calc, const TBeam& beam, const TDesignInput& input);
// U = [1 + 19.2 (h / l)^2] U0 for every span, h the section height and l the span, both cm.
void ApplyShearCorrection(TBeamCalc& calc, const TBeam& beam);

} // namespace balka
