// The design records: the user's design choices (TDesignInput) and the result lines shown in
// the design dialog; the numbers of a calculation (TBeamCalc) and the material values come
// with it from the layers below. Plain data without behaviour; every record starts with its numbers
// 0, its flags false and its lists empty (the design input starts with the dialog's defaults).
// Units: section sizes mm (cm where named Cm), section properties cm, cm3, cm4, strengths and
// moduli MPa, moments kg*m, forces kg, deflections mm; every real value is a 32-bit float.
#pragma once

#include "model/BeamCalc.h"
#include "refdata/MaterialValues.h"

#include <cstdint>
#include <optional>
#include <string>

namespace balka {

// Service temperature of the structure, as the design dialog's radio group offers it.
enum class TTemperatureMode {
    UpTo35,     // "до 35 °С"
    From35To50, // "от 35 до 50 °С", the temperature itself then matters
    From50,     // "от 50 °С"
};

// The user's design choices, validated by the design dialog before a calculation starts.
struct TDesignInput {
    int32_t MaterialIndex = 0;
    std::string MaterialName;
    int32_t Width = 0;  // mm, one element
    int32_t Height = 0; // mm
    int32_t Count = 1;
    int32_t ServiceClass = 1;
    int32_t ResponsibilityClass = 2;
    TTemperatureMode TemperatureMode = TTemperatureMode::UpTo35;
    int32_t Temperature = 40; // degrees C, read only in From35To50
    bool Impregnated = false;
    int32_t DeflectionDivisor = 200; // n of the limit L/n
    bool LongTermDeflection = false; // permanent and long-term loads instead of short-term
    std::optional<float> Lp;         // m
    std::optional<float> MomentLp;   // kg*m
    std::optional<float> Kf;
    std::optional<int32_t> RestraintCount; // present only when the tensile edge is restrained
    // The normative values of the grade MaterialIndex, read from the material table by the
    // caller, so the design does not depend on how that table is stored.
    TMaterialValues Material;
};

// How a line of the result summary is shown.
enum class TResultStyle {
    Normal,
    Failed,      // red
    SpanHeading, // bold and underlined; also the heading of the weakened-section block
    HoleHeading, // bold
};

struct TResultLine {
    std::string Text;
    TResultStyle Style = TResultStyle::Normal;
};

} // namespace balka
