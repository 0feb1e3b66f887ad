// Units of a deflection run: V is kg*m3; with E in MPa (10 kg/cm2) and I in cm4, E I is
// 10^-3 kg*m2, so V / (E I) metres are 10^6 V / (E I) millimetres.
#include "statics/DeflectionRun.h"

namespace balka {

float ScaledDeflection(float numerator, const TDeflectionRun& run) {
    if (run.Mode == TDeflectionMode::Selection) {
        return numerator;
    }
    return 1000000.0f * numerator / (run.Modulus * run.Inertia);
}

float& DeflectionMaximum(TSpanCalc& spanCalc, const TDeflectionRun& run) {
    return run.Mode == TDeflectionMode::Selection ? spanCalc.DeflectionNumerator
                                                  : spanCalc.BendingDeflection;
}

} // namespace balka
