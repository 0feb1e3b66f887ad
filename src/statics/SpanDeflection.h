// The deflection line of one span between two supports, from its end moments MA, MB, its simple
// reaction RA0 and its loads: V(x) is E I times the deflection (kg*m3, upward positive, so a
// sagging span has V < 0), x metres along the slope from the span's left end, V(0) = V(L) = 0.
// The largest |V| of an interval lies at its start or at a zero of the slope, a cubic in x.
#pragma once

#include "model/Beam.h"
#include "model/BeamCalc.h"
#include "statics/CubicRoots.h"
#include "statics/DeflectionRun.h"

namespace balka {

// Sets StartSlope (E I times the rotation at the left end, kg*m2) so that V(L) = 0.
void ComputeStartSlope(const TSpan& span, TSpanCalc& spanCalc);

// V(x) for 0 <= x <= L (metres along the slope).
float DeflectionAt(const TSpan& span, float startSlope, float x);

// E I times the slope on interval j of BreakPoints, as c0 + c1 x + c2 x^2 + c3 x^3.
TSlopeCubic SlopeCoefficients(const TSpan& span, const TSpanCalc& spanCalc, int interval);

// Takes the interval's start and the zeros of its slope inside it as candidates and raises the
// span's maximum (BendingDeflection or DeflectionNumerator) and MaxDeflectionX by them.
// spanIndex only names the span in the selection mode's message.
void FindSpanDeflection(const TSpan& span, int spanIndex, int interval, TSpanCalc& spanCalc,
                        const TDeflectionRun& run);

// The check behind the root search, which can lose a zero of the slope to rounding (a cubic
// whose leading coefficient is tiny beside the others, as where a light load lies on a span bent
// by heavy loads elsewhere): |V| is taken at the span's samples of the statics (every 50 mm and
// at the loads), the peak around every local maximum of them is refined by a golden-section
// search, and the largest peak replaces the span's maximum,
// with its x, when it exceeds that maximum by more than the rounding of V. Where the root search
// found the true maximum the peaks agree with it within that margin and nothing changes.
void RefineSpanDeflection(const TSpan& span, TSpanCalc& spanCalc, const TDeflectionRun& run);

} // namespace balka
