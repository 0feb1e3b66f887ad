// The report file: the report text followed by one CR LF, in Windows-1251 without a byte-order
// mark, written as report.html into the report folder and replacing an earlier one. A character
// the code page lacks (in a material name, say) is written as its character reference, so the
// report shows it rather than '?'. A failed write leaves the earlier file whole.
#pragma once

#include <filesystem>
#include <string>

namespace balka {

inline constexpr const char* ReportFileName = "report.html";

// Returns the written file's path. Throws FileError (Russian text naming the file) when the
// folder is missing or not writable.
std::filesystem::path WriteReportFile(const std::filesystem::path& folder,
                                      const std::string& report);

} // namespace balka
