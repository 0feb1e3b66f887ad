// Conversions between the horizontal millimetres of the beam model and the metres along the
// beam axis in which the statics computes. The cosine is held as a 32-bit float, so every part
// of the statics that converts a position gets the same value for the same angle.
#pragma once

#include <cstdint>

namespace balka {

// cos(angle in degrees x pi / 180) as a 32-bit float.
float SlopeCosine(float slopeAngleDegrees);

// A horizontal position or length in whole millimetres as metres along the slope: mm x 0.001 / cos.
float HorizontalToSlopeMetres(int32_t horizontalMm, float cosine);

} // namespace balka
