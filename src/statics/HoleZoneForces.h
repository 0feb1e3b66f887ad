// The largest absolute moment (kg*m) and shear (kg) within every hole's zone of influence, for
// the checks of the weakened sections. A zone may reach over a support into the neighbouring
// span: that span's samples and its moment extreme inside the zone count as well.
#pragma once

#include "model/Beam.h"

namespace balka {

// Sets ZoneMaxM and ZoneMaxQ of every hole; does nothing when HoleCount is 0. Reads the sample
// series and the span extremes, so it runs after FindSpanMomentExtreme.
void ComputeHoleZoneForces(TBeam& beam);

} // namespace balka
