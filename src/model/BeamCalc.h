// The numbers of one design calculation or selection: TBeamCalc with one TSpanCalc per span.
// The statics fill the deflections, the design the rest. Plain data; every record starts with
// its numbers 0, its flags false and its lists empty.
// Units: section sizes mm (cm where named Cm), section properties cm, cm3, cm4, strengths and
// moduli MPa, moments kg*m, forces kg, deflections mm; every real value is a 32-bit float.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace balka {

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

} // namespace balka
