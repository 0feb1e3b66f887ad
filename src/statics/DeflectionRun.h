// What a deflection computation is run for: the section under design (deflections in mm,
// scaled by 10^6 / (E I) with E in MPa and I in cm4) or a section selection (E I times the
// deflection in kg*m3, scaled later for every candidate section), and which loads it takes.
#pragma once

#include "model/BeamCalc.h"
#include "model/MessageSink.h"

namespace balka {

enum class TDeflectionMode {
    Design,    // BendingDeflection in mm for the section under design
    Selection, // DeflectionNumerator, E I times the deflection
};

// Normative loads taken for the deflections.
enum class TDeflectionLoads {
    ShortTerm, // permanent and short-term: every load with its F
    LongTerm,  // permanent and long-term: every load with F x Kd
};

struct TDeflectionRun {
    TDeflectionMode Mode = TDeflectionMode::Design;
    float Modulus = 0; // E, MPa
    float Inertia = 0; // I, cm4
    // Receives the selection mode's message about a slope without real zeros; may be null.
    MessageSink* Messages = nullptr;
};

// V in the run's unit: 10^6 V / (E I) mm in the design mode, V itself in the selection mode.
float ScaledDeflection(float numerator, const TDeflectionRun& run);

// The running maximum of a span's deflection in the run's mode.
float& DeflectionMaximum(TSpanCalc& spanCalc, const TDeflectionRun& run);

} // namespace balka
