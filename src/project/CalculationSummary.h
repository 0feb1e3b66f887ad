// The command line's short Russian summary of a recalculated beam: counts, slope and length,
// end supports, each span's support moments and moment extreme, the beam's largest moment and
// shear. Numbers are written by FormatCompact with the program's decimal separator; lengths in
// metres, moments kg*m, forces kg.
#pragma once

#include "model/Beam.h"

#include <string>

namespace balka {

// Lines ended by '\n'.
std::string CalculationSummary(const TBeam& beam);

} // namespace balka
