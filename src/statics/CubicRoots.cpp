// Cubic roots. The hyperbolic functions use the base 2.7183 rather than e, and the cube root of
// the double-root case is a power with the float exponent 0.3333333432674408 applied to the
// magnitude, the sign put back afterwards (a power of a negative base has no real value).
#include "statics/CubicRoots.h"

#include <algorithm>
#include <cmath>

namespace balka {
namespace {

constexpr float TwoPiOverThree = 2.0943952f;
constexpr float HyperbolicBase = 2.7183f;
constexpr float OneThird = 0.3333333432674408f;

float Sign(float z) {
    return z < 0 ? -1.0f : 1.0f;
}

} // namespace

std::vector<float> SolveCubic(const TSlopeCubic& cubic) {
    const float A = cubic.c2 / cubic.c3;
    const float B = cubic.c1 / cubic.c3;
    const float C = cubic.c0 / cubic.c3;
    const float Q = (A * A - 3 * B) / 9;
    const float Z = (2 * A * A * A - 9 * A * B + 27 * C) / 54;
    const float D = Q * Q * Q - Z * Z;
    if (D > 0) {
        // Rounding can put the ratio a hair past 1 although D > 0; the root is then double.
        const float ratio = std::clamp(Z / std::sqrt(Q * Q * Q), -1.0f, 1.0f);
        const float t = std::acos(ratio) / 3;
        const float root = std::sqrt(Q);
        return {-2 * root * std::cos(t) - A / 3, -2 * root * std::cos(t + TwoPiOverThree) - A / 3,
                -2 * root * std::cos(t - TwoPiOverThree) - A / 3};
    }
    if (D < 0 && Q > 0) {
        const float k = std::fabs(Z) / std::sqrt(Q * Q * Q);
        const float t = std::log(k + std::sqrt(k * k - 1)) / 3;
        const float cosh = (std::pow(HyperbolicBase, t) + std::pow(HyperbolicBase, -t)) / 2;
        return {-2 * Sign(Z) * std::sqrt(Q) * cosh - A / 3};
    }
    if (D < 0 && Q < 0) {
        const float absQ = std::fabs(Q);
        const float k = std::fabs(Z) / std::sqrt(absQ * absQ * absQ);
        const float t = std::log(k + std::sqrt(k * k + 1)) / 3;
        const float sinh = (std::pow(HyperbolicBase, t) - std::pow(HyperbolicBase, -t)) / 2;
        return {-2 * Sign(Z) * std::sqrt(absQ) * sinh - A / 3};
    }
    if (D == 0) {
        const float m = Sign(Z) * std::pow(std::fabs(Z), OneThird);
        return {-2 * m - A / 3, m - A / 3};
    }
    return {}; // D < 0 and Q = 0
}

} // namespace balka
