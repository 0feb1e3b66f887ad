// Real roots of the cubic c0 + c1 x + c2 x^2 + c3 x^3 = 0 (c3 not 0) in closed form: the
// trigonometric form for three real roots, the hyperbolic forms for one. All arithmetic is
// 32-bit float with fixed 32-bit constants (2 pi / 3, the base 2.7183, the exponent 1/3), so
// the roots repeat exactly.
#pragma once

#include <vector>

namespace balka {

struct TSlopeCubic {
    float c0 = 0;
    float c1 = 0;
    float c2 = 0;
    float c3 = 0;
};

// The roots in the order the closed forms give them: three, two (a double root), one or none.
std::vector<float> SolveCubic(const TSlopeCubic& cubic);

} // namespace balka
