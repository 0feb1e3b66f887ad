// The report's frame and the order of its sections.
#include "report/ComposeReport.h"

#include "report/ReportCheckSections.h"
#include "report/ReportInputSections.h"
#include "report/ReportReactionsSection.h"

namespace balka {

std::string ComposeReport(const TReportInput& input) {
    std::string html = "<html><body>";
    html +=
        R"(<div align="center"><font face="TimesNewRoman"><h2>Расчет балки Dravolit</h2></font></div><br>)";
    html += SchemeSection();
    html += LoadsSection(input);
    html += InputDataSection(input);
    html += GeometrySection(input);
    html += StrengthSection(input);
    html += CoefficientsSection(input);
    html += DesignStrengthsSection(input);
    html += MomentCheckSection(input);
    html += ShearCheckSection(input);
    html += StabilitySection(input);
    html += DeflectionSection(input);
    html += SummaryTableSection(input);
    html += ReactionsSection(input);
    html += WeakenedSectionsSection(input);
    html += ConclusionSection(input);
    html += LiteratureSection();
    html += "</body></html>";
    return html;
}

} // namespace balka
