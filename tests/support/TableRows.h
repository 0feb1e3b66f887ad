// Rows written straight into the editors' tables, as project loading leaves them: the row
// count in the beam grows by one, the new row is numbered in column 0 and the given cells
// follow from column 1. The table's one blank row is used for the first row.
#pragma once

#include "model/TextTable.h"
#include "workspace/Workspace.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace balka {

inline void AppendTableRow(TextTable& grid, int32_t& count, const std::vector<std::string>& cells) {
    if (count > 0) {
        grid.AppendRow();
    }
    const int row = ++count;
    grid.SetCell(0, row, std::to_string(row));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        grid.SetCell(static_cast<int>(i) + 1, row, cells[i]);
    }
}

// A span of the given length in metres, as typed ("4,5").
inline void AppendSpan(Workspace& workspace, const std::string& metres) {
    AppendTableRow(workspace.Geometry.Grid, workspace.Beam.SpanCount, {metres});
}

// Cells after the number: kind, span, F, γf, Kd, X, S.
inline void AppendLoad(Workspace& workspace, const std::vector<std::string>& cells) {
    AppendTableRow(workspace.Loads.Grid, workspace.Beam.LoadCount, cells);
}

// Cells after the number: span, diameter, X, Y.
inline void AppendHole(Workspace& workspace, const std::vector<std::string>& cells) {
    AppendTableRow(workspace.Holes.Grid, workspace.Beam.HoleCount, cells);
}

} // namespace balka
