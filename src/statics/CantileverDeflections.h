// Deflections of the free ends: an overhang at the beam's left or right end, turned with the
// rotation of the support it hangs from, and the single cantilever held at one end. Positions
// are metres along the slope; the result is |V| (E I times the deflection, kg*m3), scaled to mm
// in the design mode, and goes to the overhang span's record.
#pragma once

#include "model/Beam.h"
#include "model/BeamCalc.h"
#include "statics/DeflectionRun.h"

namespace balka {

// Span 0 overhangs to the left of span 1, whose StartSlope must be computed already.
void LeftCantileverDeflection(const TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run);

// Span n - 1 overhangs to the right of span n - 2, whose StartSlope must be computed already.
void RightCantileverDeflection(const TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run);

// One span with a free end; MaxDeflectionX is set to the free end (0 or L).
void SingleCantileverDeflection(const TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run);

} // namespace balka
