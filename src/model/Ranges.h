// The sane range of every number a person or a file can give the program, in one place: the
// editors, the dialogs, the project reader, the reference files and the recalculation all ask
// here, so nothing outside these ranges reaches the statics or the design. The limits lie far
// beyond any beam an engineer would calculate; within them every millimetre position and every
// millimetre sum of the beam model fits a 32-bit integer and every float stays finite.
// The lower bounds compare with the 0.001 tolerance of CompareWithTolerance, as the editors'
// own checks always have; NaN and infinity are never within any range.
#pragma once

#include <cstdint>
#include <string>

namespace balka {

// Data rows of the three editor tables. 100 spans of at most 20 km along the slope (a span of
// a few metres at the steepest slope the angle box takes) are 2 * 10^9 mm: the totals stay
// inside int32.
constexpr int32_t kMaxSpanCount = 100;
constexpr int32_t kMaxLoadCount = 1000;
constexpr int32_t kMaxHoleCount = 1000;

enum class Quantity {
    SpanLength,      // m, horizontal
    SpanSlopeLength, // m along the slope: the span length divided by the slope's cosine; a guard
                     // for steep slopes, which the angle box takes up to 89.99 degrees
    SlopeAngle,      // degrees
    LoadValue,       // F: kg/m for distributed loads, kg for a point load
    LoadFactor,      // Yf
    DurationFactor,  // Kd
    LoadStart,       // x of a part load, m from the span's left support
    PointPosition,   // x of a point load, m from the span's left support
    LoadLength,      // s of a part load, m
    HoleDiameter,    // d, whole mm
    HolePosition,    // x of a hole's centre, m from the span's left support
    HoleHeight,      // y of a hole's centre in the section, m (the editors add y >= 0; the
                     // hole checks pass over a hole outside the section)
    SectionWidth,    // one element, whole mm
    SectionHeight,   // whole mm
    ElementCount,    // elements side by side
    Lp,              // distance between the braced points of the compressed edge, m
    MomentLp,        // largest moment on lp, kg*m
    Kf,              // shape factor of the moment diagram on lp
    RestraintCount,  // braced points of the tensile edge on lp
    MaterialValue,   // a strength or the modulus of elasticity, MPa
    StripWidth,      // width of the roof strip a beam carries (snow), m
    BeamStep,        // spacing of the beams (template), m
    AreaLoad,        // normative load per square metre (template), kg/m2
};

// True when the value lies in the quantity's range.
bool IsWithin(Quantity quantity, float value);
// True when the value lies above the quantity's highest value (for the angle: not below 90);
// the editors check the lower bound first with their own messages.
bool IsAboveHighest(Quantity quantity, float value);
// The editors' refusal of a value above the highest: "Значение длины пролета должно быть не
// больше 50 м." (the angle keeps "Значение угла должно быть меньше 90.").
std::string TooLargeMessage(Quantity quantity);
// What a value must be, for messages about values that did not come through an editor:
// "длина пролета должна быть больше 0 и не больше 50 м".
std::string RangeRequirement(Quantity quantity);

// The relations to the span, with the editors' tolerance (lengths in metres): a part load ends
// within its span; a point load the editors take stands before the span's right support; a
// position lies within its span, ends included (a hole's centre; a point load of a file, which
// may stand at a cantilever's free end). A position that is not a finite number is within no
// span.
bool PartLoadFitsSpan(float spanLength, float start, float length);
bool PointLoadInsideSpan(float spanLength, float position);
bool WithinSpan(float spanLength, float position);

} // namespace balka
