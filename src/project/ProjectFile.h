// The .lvl project file: the layout of ProjectData in a profile file. Writing replaces the whole
// file in one piece; reading never checks the cells' texts (the recalculation after opening
// does), and a missing section or key reads as its default, so a foreign or empty file opens
// as a project without spans, loads or holes. Numbers with fractions are the cells' own texts,
// so a file reads back right under the decimal separator it was written with.
#pragma once

#include "workspace/ProjectData.h"

#include <filesystem>

namespace balka {

// More rows than this in one table mark a damaged file; no real beam comes near it.
constexpr int32_t kMaxProjectRows = 10000;

// Throws FileError with a Russian text naming the file when it cannot be written; the old file
// is then left whole. The counts must lie between 0 and the tables' data rows
// (std::invalid_argument otherwise, before anything is written).
void WriteProjectFile(const std::filesystem::path& path, const ProjectData& data);

// Throws FileError with a Russian text naming the file when it cannot be read or declares more
// than kMaxProjectRows rows in a table. A negative count reads as 0; an end-support value other
// than 1..3 leaves that list without a chosen item. The tables come back numbered in column 0.
ProjectData ReadProjectFile(const std::filesystem::path& path);

} // namespace balka
