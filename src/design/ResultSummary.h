// The verdict lines of a design calculation as the design dialog shows them: bending and shear
// of the beam, stability and deflection of every span, and every hole when the beam has holes.
// Numbers are written with FormatCompact; a check fails only when the force or stress is
// strictly above its limit, so equality passes and prints "<".
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"

#include <cstdint>
#include <vector>

namespace balka {

// Sets AllChecksPassed, false as soon as one line fails. Reads the holes' check fields, so the
// hole checks must have run when the beam has holes.
std::vector<TResultLine> WriteResultSummary(TBeamCalc& calc, const TBeam& beam);

struct TPanelColour {
    int32_t Red = 0;
    int32_t Green = 0;
    int32_t Blue = 0;
};

// The colour of the results panel: green when every check passed, red otherwise.
TPanelColour VerdictColour(const TBeamCalc& calc);

} // namespace balka
