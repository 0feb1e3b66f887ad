// The size-dependent steps of the design calculation before the deflections: the section
// properties, the design forces of the beam and of every span, the bending and shear
// capacities, and the lateral stability of the plane form of bending in every span.
// Section sizes come in whole millimetres and are kept in cm (b, h), cm3 (W, S) and cm4 (I);
// capacities are kg*m and kg, stresses MPa, with 1 MPa taken as 10 kg/cm2. Each step is a
// separate operation so the section selection can repeat only the ones that depend on the size.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"

#include <cstdint>

namespace balka {

// One element is widthMm wide; count elements stand side by side.
void SetSection(TBeamCalc& calc, int32_t widthMm, int32_t heightMm, int32_t count);
// Empties SpanCalcs and appends one fresh record per span of the beam.
void ResetSpanResults(TBeamCalc& calc, const TBeam& beam);
// Largest absolute moment and shear of the beam and largest absolute moment of every span,
// from the statics of the last recalculation.
void ComputeForceMaxima(TBeamCalc& calc, const TBeam& beam);
// Mпред = 0.1 W R (kg*m) and Qпред = 10 Rs I b / S (kg).
void ComputeCapacities(TBeamCalc& calc);
// Lp, MomentLp and Kf, or -1 for each one not given; RestraintCount, or -1 when the tensile
// edge is not restrained.
void StoreStabilityInputs(TBeamCalc& calc, const TDesignInput& input);
// φм (with kпм when the tensile edge is restrained) and σ = 10 M / (φм W) for every span.
void CheckStability(TBeamCalc& calc, const TBeam& beam);
// kпм for m restrained points of the tensile edge on a length lp and a height h (both cm).
float TensileEdgeFactor(float lpCm, float heightCm, int32_t restraintCount);

} // namespace balka
