#include "report/ReportDisplay.h"

#include "report/ReportFile.h"

#include <algorithm>

namespace balka {

std::optional<std::filesystem::path> WriteCurrentReport(const TBeam& beam,
                                                        const std::string& report,
                                                        const std::filesystem::path& folder,
                                                        MessageSink& messages) {
    if (!beam.Calculated) {
        messages.ShowMessage(
            "Отчет не может быть сформирован пока не произведен расчет текущей расчетной схемы.");
        return std::nullopt;
    }
    return WriteReportFile(folder, report);
}

ReportViewPlace LayoutReportView(int clientWidth, int outerHeight) {
    constexpr int kReportWidth = 800;
    constexpr int kToolbarHeight = 29;
    ReportViewPlace place;
    place.Top = kToolbarHeight;
    place.Height = outerHeight - 102;
    place.Width = std::min(clientWidth, kReportWidth);
    place.Left = std::max((clientWidth - kReportWidth) / 2, 0);
    return place;
}

} // namespace balka
