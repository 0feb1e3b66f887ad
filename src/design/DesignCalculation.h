// The design calculation of one section against the current beam: the coefficients and design
// strengths, the bending, shear, stability and deflection checks, the holes, and the verdict
// lines. It refuses a beam that is not ready for design (no spans, no loads, or end supports
// that cannot carry load) with a Russian message and then changes nothing. The report is
// composed by the caller from the records this fills.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"

#include <string>
#include <vector>

namespace balka {

enum class TDesignStatus {
    Done,
    Refused,
};

struct TDesignOutcome {
    TDesignStatus Status = TDesignStatus::Done;
    std::string Message; // the refusal, empty when done
    std::vector<TResultLine> Lines;
};

// Runs on the statics of the last recalculation; leaves the deflection loads' values in the
// loads' NormalValue and the spans' RA0, RB0, MA, MB, and the hole check fields on the beam.
TDesignOutcome RunDesignCalculation(TBeam& beam, TBeamCalc& calc, const TDesignInput& input);

} // namespace balka
