// The report's table of support reactions, which follows the summary table: one row per support
// that carries load, left to right, with its position, its reactions from the design, normative
// and long-term normative loads and, at a fixed end, its fixing moment.
#pragma once

#include "report/ReportInput.h"

#include <string>

namespace balka {

// "Опорные реакции", title included; empty for a beam without supports to show.
std::string ReactionsSection(const TReportInput& input);

} // namespace balka
