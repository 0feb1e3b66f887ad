// The whole statics run of the beam: nodes and span types, span load terms, support moments,
// samples and forces along the spans, span and beam extremes, hole-zone forces. Written into the
// beam model: Nodes, InnerSupportCount, the spans' Type, RA0, RB0, MA, MB, series and extremes,
// the holes' zone forces, MaxAbsM and MaxAbsQ.
#pragma once

#include "model/Beam.h"

namespace balka {

// Runs every step in order. A beam without spans, or one with a span that gets no type (the
// end supports cannot carry load), gets no span results and MaxAbsM = MaxAbsQ = 0, so nothing
// unwritten is ever read; the recalculation never asks for such a run.
void RunStatics(TBeam& beam);

} // namespace balka
