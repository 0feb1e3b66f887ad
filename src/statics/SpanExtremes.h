// The span moment extreme (the moment at the zero-shear point of every span) and the beam-wide
// largest absolute moment and shear that scale the diagrams. XMax is horizontal whole
// millimetres from the span's left end, MMax kg*m; MaxAbsM (kg*m) and MaxAbsQ (kg) are never
// negative.
#pragma once

#include "model/Beam.h"

namespace balka {

// Sets XMax and MMax of every span; a span whose shear never changes sign gets XMax 0 and
// MMax 0, which leaves every consumer's result unchanged.
void FindSpanMomentExtreme(TBeam& beam);

// Sets MaxAbsM from every span's MMax and M, and MaxAbsQ from every QSeries.
void ComputeBeamExtremes(TBeam& beam);

} // namespace balka
