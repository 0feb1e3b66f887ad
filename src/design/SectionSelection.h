// The section selection: every size the catalogue marks available is checked against the
// current beam with the dialog's other design choices, and gets a code for the chart (0 not
// available, 1 fails a strength check, 2 fails stability or deflection only, 3 passes all).
// The size-independent steps (factors of the loads and the input, force maxima, stability
// inputs, deflection limits and the deflection integrals) run only for the first candidate of a
// selection; every later one reuses them. Afterwards TBeamCalc, its SpanCalcs and the hole
// check fields hold the last candidate's numbers; the report is left as it was.
#pragma once

#include "design/DesignRecords.h"
#include "graphics/SelectionChart.h"
#include "model/Beam.h"
#include "model/MessageSink.h"
#include "refdata/SectionCatalogue.h"

#include <cstdint>

namespace balka {

// What one selection works on. Input's width and height are not used.
struct TSelectionRun {
    TBeam& Beam;
    TBeamCalc& Calc;
    const TDesignInput& Input;
    // Receives the first candidate's message about a span whose deflection cannot be found.
    MessageSink& Messages;
};

// The codes of every catalogue size, rows the widths and columns the heights in catalogue
// order. A beam without statics to design on (not ready, or end supports that cannot carry
// load) or an element count not above zero evaluates nothing: every code stays 0.
SelectionChartData RunSelection(const TSelectionRun& run, const SectionCatalogue& catalogue);

// The code (1, 2 or 3) of one size of one element; clears Calc.FirstPass.
int32_t EvaluateCandidate(const TSelectionRun& run, int32_t width, int32_t height);

} // namespace balka
