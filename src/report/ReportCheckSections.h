// The second half of the calculation report: the bending, shear, stability and deflection
// checks with their formulas, numbers and verdicts, the summary table, the weakened sections,
// the conclusion and the literature list. Each function returns its section's HTML, title
// included; a verdict fails only when the value is strictly above its limit, as in the design.
#pragma once

#include "report/ReportInput.h"

#include <string>
#include <string_view>

namespace balka {

// The designation of the manufacturer's company standard for Dravolit, the report's
// literature entry [2].
inline constexpr std::string_view DravolitStandard = "СТО 48256914-001-2011";

std::string MomentCheckSection(const TReportInput& input);
std::string ShearCheckSection(const TReportInput& input);
std::string StabilitySection(const TReportInput& input);
std::string DeflectionSection(const TReportInput& input);
std::string SummaryTableSection(const TReportInput& input);
// Only for a beam with holes; empty otherwise.
std::string WeakenedSectionsSection(const TReportInput& input);
std::string ConclusionSection(const TReportInput& input);
std::string LiteratureSection();

} // namespace balka
