// Export names are built from the project file's stem; existing files are only looked at, never
// touched, so choosing a name cannot harm an earlier export.
#include "report/ReportExportNames.h"

namespace balka {

namespace {

constexpr const char* kReportWord = "Отчет";

} // namespace

std::string ProjectTitle(const TBeam& beam) {
    if (beam.FilePath.empty()) {
        return {};
    }
    return std::filesystem::path(beam.FilePath).stem().string();
}

std::filesystem::path NewExportPath(const std::filesystem::path& folder,
                                    const std::string& projectTitle, const std::string& extension) {
    const std::string base =
        projectTitle.empty() ? std::string(kReportWord) : kReportWord + (" - " + projectTitle);
    std::filesystem::path path = folder / (base + extension);
    // A folder that cannot be looked into takes the first name; writing there fails later with
    // its own message.
    std::error_code error;
    for (int number = 2; std::filesystem::exists(path, error); ++number) {
        path = folder / (base + " (" + std::to_string(number) + ")" + extension);
    }
    return path;
}

std::filesystem::path ProposedPdfPath(const TBeam& beam, const std::filesystem::path& otherwise) {
    if (beam.FilePath.empty()) {
        return otherwise / (std::string(kReportWord) + ".pdf");
    }
    std::filesystem::path path(beam.FilePath);
    path.replace_extension(".pdf");
    return path;
}

} // namespace balka
