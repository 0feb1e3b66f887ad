// The editors' empty tables. The headers are the editors' captions; the project file never
// stores them.
#include "workspace/ProjectData.h"

namespace balka {

TextTable EmptySpansTable() {
    return TextTable({"№", "L, м"});
}

TextTable EmptyLoadsTable() {
    return TextTable({"№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"});
}

// "х" and "у" are Cyrillic letters here, as the holes editor shows them.
TextTable EmptyHolesTable() {
    return TextTable({"№", "Пр.", "d, мм", "х, м", "у, м"});
}

bool SameRows(const TextTable& a, const TextTable& b, int32_t count) {
    if (count >= a.RowCount() || count >= b.RowCount()) {
        return false;
    }
    for (int row = 1; row <= count; ++row) {
        for (int column = 1; column < a.ColumnCount(); ++column) {
            if (a.Cell(column, row) != b.Cell(column, row)) {
                return false;
            }
        }
    }
    return true;
}

bool SameProject(const ProjectData& a, const ProjectData& b) {
    return a.SpanCount == b.SpanCount && a.LoadCount == b.LoadCount && a.HoleCount == b.HoleCount &&
           a.Angle == b.Angle && a.LeftSupportIndex == b.LeftSupportIndex &&
           a.RightSupportIndex == b.RightSupportIndex && a.Design == b.Design &&
           SameRows(a.Spans, b.Spans, a.SpanCount) && SameRows(a.Loads, b.Loads, a.LoadCount) &&
           SameRows(a.Holes, b.Holes, a.HoleCount);
}

} // namespace balka
