// The support moments of the continuous beam: one equation per intermediate support (the moment
// just left of it equals the moment just right of it) in the rotations of the intermediate
// supports, assembled from the node terms, solved by elimination without pivoting, and turned
// back into the end moments MA and MB of every span (kg*m, sagging positive).
#pragma once

#include "model/Beam.h"

namespace balka {

// Reads Nodes (after ComputeSpanTerms for every span) and writes MA and MB of every span.
void SolveSupportMoments(TBeam& beam);

} // namespace balka
