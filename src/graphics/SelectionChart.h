// The chart of a section selection: one cell per catalogue width (rows) and height (columns),
// coloured by the code of that size, with the sizes written beside the grid and a legend
// below it. The codes are plain data handed over by the selection.
#pragma once

#include "graphics/Canvas.h"

#include <cstdint>
#include <vector>

namespace balka {

// Codes of one size: 0 not available, 1 fails a strength check, 2 fails stability or
// deflection only, 3 passes every check.
enum SelectionCode : int32_t {
    SelectionNotAvailable = 0,
    SelectionFailsStrength = 1,
    SelectionFailsStabilityOrDeflection = 2,
    SelectionPasses = 3,
};

inline constexpr Rgb ChartGreen{0, 128, 0};
inline constexpr Rgb ChartYellow{255, 255, 0};
inline constexpr Rgb ChartRed{255, 0, 0};

struct SelectionChartData {
    std::vector<int32_t> Widths;             // mm, one per row, in catalogue order
    std::vector<int32_t> Heights;            // mm, one per column, in catalogue order
    std::vector<std::vector<int32_t>> Codes; // Codes[row][column]; missing entries count as 0
};

// The grid's geometry on a picture: cell size in pixels (real) and the margins around it.
struct SelectionChartLayout {
    float CellWidth = 0;
    float CellHeight = 0;
    int32_t GridLeft = 38;
    int32_t GridTop = 8;
};
SelectionChartLayout LayOutSelectionChart(const SelectionChartData& chart, int32_t width,
                                          int32_t height);
// The pixel at the centre of a cell, where its colour is poured in.
PixelPoint SelectionCellCentre(const SelectionChartLayout& layout, int32_t row, int32_t column);

void DrawSelectionChart(const SelectionChartData& chart, Canvas& target);

} // namespace balka
