// Everything the calculation report reads, as the design calculation left it. The report only
// reads: the beam (spans, span types, holes with their check fields), the design numbers, the
// user's design choices (classes, temperature, impregnation, deflection loads, material name)
// and the loads editor's table, whose rows 1..Beam.LoadCount it copies cell by cell.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"
#include "model/TextTable.h"

namespace balka {

struct TReportInput {
    const TBeam& Beam;
    const TBeamCalc& Calc;
    const TDesignInput& Design;
    const TextTable& Loads;
};

} // namespace balka
