// Shear and bending moment at every sample of every span, from the support moments MA, MB and
// the simple reactions RA0, RB0. Positions are compared in horizontal millimetres; the
// arithmetic runs in metres along the slope. Shear is positive when it pushes the left part up
// (kg), moments are sagging positive (kg*m). QLeft counts the loads strictly before a sample,
// QRight also those acting at it, QSeries is computed like QLeft.
#pragma once

#include "model/Beam.h"

namespace balka {

// ComputeSimpleReactions, then ComputeForcesAtSamples.
void ComputeSpanForces(TBeam& beam);

// Fills QLeft, QRight, QSeries and M of every span, one entry per entry of SampleX; the first
// moment is MA and the last MB exactly.
void ComputeForcesAtSamples(TBeam& beam);

} // namespace balka
