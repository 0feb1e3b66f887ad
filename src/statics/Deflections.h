// The largest deflection without shear, U0, of every span and where it lies, from the
// normative loads (optionally their long-term part): the span terms and support moments are
// re-run with these loads, each span between supports is integrated twice with zero deflection
// at both supports, and the overhangs and the single cantilever use their closed forms.
// Written: every load's NormalValue and every span's RA0, RB0, MA, MB (now for the deflection
// loads; the sample series keep the design loads' values), and per span into calc.SpanCalcs
// (one record per span, prepared by the design): BreakPoints, StartSlope, MaxDeflectionX and
// BendingDeflection (mm) or DeflectionNumerator (E I times U0, kg*m3).
#pragma once

#include "model/Beam.h"
#include "model/BeamCalc.h"
#include "statics/DeflectionRun.h"

namespace balka {

// The design mode, for the section under design (E = calc.Modulus MPa, I = calc.Inertia cm4).
// Does nothing for a beam whose statics has not run (a span without a type or no nodes) or
// whose SpanCalcs do not match its spans.
void ComputeDeflections(TBeam& beam, TBeamCalc& calc, TDeflectionLoads loads);

// The selection mode: the same computation keeping E I times U0 in DeflectionNumerator; a span
// slope without real zeros is reported to messages.
void ComputeDeflectionNumerators(TBeam& beam, TBeamCalc& calc, TDeflectionLoads loads,
                                 MessageSink& messages);

// BendingDeflection = DeflectionNumerator x 10^6 / (E I) for every span the numerators cover,
// with E and I of the candidate section in calc.
void ScaleDeflections(TBeamCalc& calc, const TBeam& beam);

// The steps, in calling order.
void PrepareDeflectionLoads(TBeam& beam, TDeflectionLoads loads);
void RerunStaticsForDeflection(TBeam& beam);
void BuildBreakPoints(const TBeam& beam, TBeamCalc& calc);
// The whole computation of one mode after the loads are prepared.
void ComputeSpanDeflections(TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run);

} // namespace balka
