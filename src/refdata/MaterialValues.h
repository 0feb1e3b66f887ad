// The normative values of one material grade, as the material table lists them.
#pragma once

namespace balka {

// Normative values of one material grade as the material table lists them, MPa.
struct TMaterialValues {
    float BendingStrength = 0;
    float ShearStrength = 0;
    float Modulus = 0;
};

} // namespace balka
