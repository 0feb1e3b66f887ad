// The .lvl project file: the layout of ProjectData in a profile file. Writing replaces the whole
// file in one piece. Reading never checks the cells' texts (the recalculation after opening
// checks every number against its range, naming the table, row and column); a missing section
// or key reads as its default and is listed as missing, and a file with none of the project's
// sections is no project file at all. Numbers with fractions are the cells' own texts, so a
// file reads back right under the decimal separator it was written with.
#pragma once

#include "workspace/ProjectData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace balka {

// Throws FileError with a Russian text naming the file when it cannot be written; the old file
// is then left whole. The counts must lie between 0 and the tables' data rows
// (std::invalid_argument otherwise, before anything is written).
void WriteProjectFile(const std::filesystem::path& path, const ProjectData& data);

struct ProjectFileContents {
    ProjectData Data;
    // What a complete project has and the file lacks, each read as its default: a section
    // ("раздел [Пролет 3]", also for rows the counts declare but the file does not hold), a key
    // ("[Геометрия] Угол"), or a whole number that does not convert or names no item of its
    // list ("[Геометрия] Левая опора = 7"). Empty for a complete file.
    std::vector<std::string> Missing;
};

// Throws FileError with a Russian text naming the file when it cannot be read, has none of the
// sections [Геометрия], [Нагрузки], [Отверстия] and [Расчет], or declares more rows in a table
// than its limit (kMaxSpanCount, kMaxLoadCount, kMaxHoleCount; the text names the section and
// the key). A negative count reads as 0; an end-support value other than 1..3 leaves that list
// without a chosen item. The tables come back numbered in column 0.
ProjectFileContents ReadProjectFile(const std::filesystem::path& path);

} // namespace balka
