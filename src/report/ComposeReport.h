// The calculation report: one HTML document in Russian with the scheme picture, the loads, the
// input data, every coefficient, every check with its formula, numbers and verdict, the
// summary table, the support reactions, the weakened sections (only when the beam has holes),
// the conclusion and the literature list. Composed from the records a design calculation has
// just filled; the caller keeps the text in TBeamCalc::Report.
#pragma once

#include "report/ReportInput.h"

#include <string>

namespace balka {

std::string ComposeReport(const TReportInput& input);

} // namespace balka
