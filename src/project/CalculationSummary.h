// The command line's short Russian summary of a recalculated beam: counts, slope and length,
// end supports, each span's support moments and moment extreme, the beam's largest moment and
// shear, and one line per support with its reactions. Numbers are written by FormatCompact with the
// program's decimal separator; lengths in metres, moments kg*m, forces kg.
#pragma once

#include "model/Beam.h"
#include "statics/SupportReactions.h"

#include <string>

namespace balka {

// Lines ended by '\n'; `reactions` are the beam's own (ComputeSupportReactions).
std::string CalculationSummary(const TBeam& beam, const TSupportReactions& reactions);

} // namespace balka
