// Slope conversions: the angle is turned into radians at double precision and the cosine is
// rounded once to a float; the metres along the slope are computed in float arithmetic.
#include "statics/SlopeConversion.h"

#include <cmath>
#include <numbers>

namespace balka {

float SlopeCosine(float slopeAngleDegrees) {
    return static_cast<float>(
        std::cos(static_cast<double>(slopeAngleDegrees) * std::numbers::pi / 180.0));
}

float HorizontalToSlopeMetres(int32_t horizontalMm, float cosine) {
    return static_cast<float>(horizontalMm) * 0.001f / cosine;
}

} // namespace balka
