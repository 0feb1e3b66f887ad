// The design records: the user's design choices (TDesignInput), the numbers of one design
// calculation or selection (TBeamCalc with one TSpanCalc per span) and the result lines shown
// in the design dialog. Plain data without behaviour; every record starts with its numbers 0,
// its flags false and its lists empty (the design input starts with the dialog's defaults).
// Units: section sizes mm (cm where named Cm), section properties cm, cm3, cm4, strengths and
// moduli MPa, moments kg*m, forces kg, deflections mm; every real value is a 32-bit float.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace balka {

// Service temperature of the structure, as the design dialog's radio group offers it.
enum class TTemperatureMode {
    UpTo35,     // "до 35 °С"
    From35To50, // "от 35 до 50 °С", the temperature itself then matters
    From50,     // "от 50 °С"
};

// Normative values of one material grade as the material table lists them, MPa.
struct TMaterialValues {
    float BendingStrength = 0;
    float ShearStrength = 0;
    float Modulus = 0;
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

// Design numbers of one span.
struct TSpanCalc {
    float MaxMoment = 0;              // kg*m
    float Stress = 0;                 // MPa, sigma of the stability check
    float Deflection = 0;             // mm, with shear deformation
    float StressLimit = 0;            // MPa
    float DeflectionLimit = 0;        // mm
    float BendingDeflection = 0;      // mm, without shear deformation
    std::vector<int32_t> BreakPoints; // mm along the slope from the span's left end
    float StartSlope = 0;             // E*I times the rotation at the left end
    float MaxDeflectionX = 0;         // m from the span's left end
    float DeflectionNumerator = 0;    // E*I times the deflection, kept by the selection
    float PhiM = 0;
    float PhiMTotal = 0;
    float Kpm = 0; // meaningful only when the tensile edge is restrained
    float DeflectionDivisor = 0;
};

// Design numbers of the whole beam; one instance lives for the whole run.
struct TBeamCalc {
    float MaxMoment = 0;      // kg*m
    float MaxShear = 0;       // kg
    float MomentCapacity = 0; // kg*m
    float ShearCapacity = 0;  // kg
    int32_t WidthMm = 0;      // total width of all elements
    int32_t HeightMm = 0;
    float WidthCm = 0;
    float HeightCm = 0;
    int32_t ElementCount = 0;
    float SectionModulus = 0; // cm3
    float Inertia = 0;        // cm4
    float StaticMoment = 0;   // cm3
    float ServiceFactor = 0;
    float TemperatureFactor = 0;
    float HeightFactor = 0;
    float ImpregnationFactor = 0;
    float DurationFactorStrength = 0;
    float DurationFactorStiffness = 0;
    float ResponsibilityFactor = 0;
    float BendingStrength = 0; // MPa, design values
    float ShearStrength = 0;
    float Modulus = 0;
    float BendingStrengthNorm = 0; // MPa, normative values of the material
    float ShearStrengthNorm = 0;
    float ModulusNorm = 0;
    std::vector<TSpanCalc> SpanCalcs; // index = span index
    bool FirstPass = false;
    float Lp = 0;                     // m, -1 when not given
    float MomentLp = 0;               // kg*m, -1 when not given
    float Kf = 0;                     // -1 when not given
    int32_t RestraintCount = 0;       // -1 when the tensile edge is not restrained
    std::string Report;               // HTML of the last calculation
    float LongTermShareDesign = 0;    // %
    float LongTermShareNormative = 0; // %
    bool AllChecksPassed = false;
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
