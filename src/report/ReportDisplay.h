// What the report commands decide before the window shows anything: whether a report may be
// shown (only after a calculation of the current scheme), writing it into the report folder,
// and where the report view lies in the main window.
#pragma once

#include "model/Beam.h"
#include "model/MessageSink.h"

#include <filesystem>
#include <optional>
#include <string>

namespace balka {

// Writes report.html for the current calculation and returns its path. Without a calculation
// the user is told so and nothing is written. A folder that cannot be written throws FileError.
std::optional<std::filesystem::path> WriteCurrentReport(const TBeam& beam,
                                                        const std::string& report,
                                                        const std::filesystem::path& folder,
                                                        MessageSink& messages);

struct ReportViewPlace {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The report is 800 pixels wide, centred in a wide window and filling a narrow one from its left
// edge, just below the toolbar.
ReportViewPlace LayoutReportView(int clientWidth, int outerHeight);

} // namespace balka
