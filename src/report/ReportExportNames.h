// The names of the files the report is exported to. Every "Экспорт в Word" makes a new document
// in the report folder, so an earlier one that is still open in the word processor is never
// overwritten: "Отчет - <project>.odt", then " (2)", " (3)" and so on. The PDF save dialog
// proposes the project's own name beside the project file.
#pragma once

#include "model/Beam.h"

#include <filesystem>
#include <string>

namespace balka {

// The project file's name without its extension; empty for a project without a file.
std::string ProjectTitle(const TBeam& beam);

// The first name of that pattern not yet taken in `folder`; `extension` with its dot.
std::filesystem::path NewExportPath(const std::filesystem::path& folder,
                                    const std::string& projectTitle, const std::string& extension);

// "<project>.pdf" beside the project file; "Отчет.pdf" in `otherwise` for a project without one.
std::filesystem::path ProposedPdfPath(const TBeam& beam, const std::filesystem::path& otherwise);

} // namespace balka
