// Writing report.html through the replacing write and the program's file code page.
#include "report/ReportFile.h"

#include "model/FileAccess.h"
#include "model/TextEncoding.h"

namespace balka {

std::filesystem::path WriteReportFile(const std::filesystem::path& folder,
                                      const std::string& report) {
    const std::filesystem::path file = folder / ReportFileName;
    WriteFileReplacing(file, EncodeWindows1251(report + "\r\n", MissingCharacter::HtmlReference));
    return file;
}

} // namespace balka
