// Everything a project file holds: the three editor tables' cells exactly as the editors hold
// them (texts, not numbers; row 0 the header, column 0 the row number), their counts, the slope
// angle's text, the item indexes of the two end-support lists and the design dialog's fields.
// Each table has at least as many data rows as its count says; rows past the count are not
// part of the project. Results are never part of it: they are recomputed after opening.
#pragma once

#include "design/DesignSettings.h"
#include "model/TextTable.h"

#include <cstdint>
#include <string>

namespace balka {

// End-support list item when none is chosen (a file without the support key).
constexpr int32_t kNoSupportChosen = -1;

// Empty tables with the editors' headers: one blank data row each.
TextTable EmptySpansTable(); // "№", "L, м"
TextTable EmptyLoadsTable(); // "№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"
TextTable EmptyHolesTable(); // "№", "Пр.", "d, мм", "х, м", "у, м"

struct ProjectData {
    TextTable Spans = EmptySpansTable();
    int32_t SpanCount = 0;
    std::string Angle = "0"; // degrees, with the decimal separator it was written with
    // Items of the end-support lists: 0 "Шарнир", 1 "Заделка", 2 "Консоль", or kNoSupportChosen.
    int32_t LeftSupportIndex = 0;
    int32_t RightSupportIndex = 0;
    TextTable Loads = EmptyLoadsTable();
    int32_t LoadCount = 0;
    TextTable Holes = EmptyHolesTable();
    int32_t HoleCount = 0;
    DesignSettings Design;
};

// True when rows 1..count of both tables hold the same texts (column 0, the number, aside).
bool SameRows(const TextTable& a, const TextTable& b, int32_t count);
// True when both hold the same project: the counts, the rows within them, the angle, the
// supports and the design settings; rows past a count do not matter.
bool SameProject(const ProjectData& a, const ProjectData& b);

} // namespace balka
