// The first half of the calculation report: the scheme picture, the loads, the input data, the
// section geometry, the material's normative values, the working-condition coefficients and the
// design strengths. Each function returns its section's HTML, title included; the wording, the
// character references and the blanks are the report's own and must stay exactly as they are.
#pragma once

#include "report/ReportInput.h"

#include <string>

namespace balka {

// The picture "picture.jpg" is expected beside report.html.
std::string SchemeSection();
std::string LoadsSection(const TReportInput& input);
std::string InputDataSection(const TReportInput& input);
std::string GeometrySection(const TReportInput& input);
std::string StrengthSection(const TReportInput& input);
std::string CoefficientsSection(const TReportInput& input);
std::string DesignStrengthsSection(const TReportInput& input);

} // namespace balka
