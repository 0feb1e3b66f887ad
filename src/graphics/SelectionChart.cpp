// Layout of the selection chart in pixels: margins left 8, right 10, top 8; a label column 30
// wide left of the grid, a label row 20 high below it, a legend band 56 high at the bottom.
// Cell sizes are real numbers; every coordinate is truncated to a whole pixel.
#include "graphics/SelectionChart.h"

#include "graphics/DrawingStyle.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace balka {
namespace {

constexpr int32_t LeftMargin = 8;
constexpr int32_t RightMargin = 10;
constexpr int32_t TopMargin = 8;
constexpr int32_t LabelColumn = 30;
constexpr int32_t LabelRow = 20;
constexpr int32_t LegendBand = 56;

int32_t CodeAt(const SelectionChartData& chart, size_t row, size_t column) {
    if (row >= chart.Codes.size() || column >= chart.Codes[row].size()) {
        return SelectionNotAvailable;
    }
    return chart.Codes[row][column];
}

// The colour a cell is poured with; nothing for a size that was not evaluated.
std::optional<Rgb> CodeColor(int32_t code) {
    switch (code) {
    case SelectionFailsStrength:
        return ChartRed;
    case SelectionFailsStabilityOrDeflection:
        return ChartYellow;
    case SelectionPasses:
        return ChartGreen;
    default:
        return std::nullopt;
    }
}

void WriteCentred(Canvas& target, const std::string& text, PixelRect cell) {
    const TextExtent extent = target.MeasureText(text);
    const PixelPoint at{cell.Left + (cell.Right - cell.Left) / 2 - extent.Width / 2,
                        cell.Top + (cell.Bottom - cell.Top) / 2 - extent.Height / 2};
    target.Text(at, text, BlackColor, WhiteColor);
}

struct LegendLine {
    Rgb Color;
    const char* Text;
};

} // namespace

SelectionChartLayout LayOutSelectionChart(const SelectionChartData& chart, int32_t width,
                                          int32_t height) {
    SelectionChartLayout layout;
    layout.GridLeft = LeftMargin + LabelColumn;
    layout.GridTop = TopMargin;
    // An empty list has no cells; a zero size keeps every coordinate finite.
    if (!chart.Heights.empty()) {
        layout.CellWidth = static_cast<float>(width - LeftMargin - RightMargin - LabelColumn) /
                           static_cast<float>(chart.Heights.size());
    }
    if (!chart.Widths.empty()) {
        layout.CellHeight = static_cast<float>(height - TopMargin - LabelRow - LegendBand) /
                            static_cast<float>(chart.Widths.size());
    }
    return layout;
}

PixelPoint SelectionCellCentre(const SelectionChartLayout& layout, int32_t row, int32_t column) {
    const float cw = layout.CellWidth;
    const float ch = layout.CellHeight;
    return {
        PixelFloor(static_cast<float>(layout.GridLeft) + static_cast<float>(column) * cw + cw / 2),
        PixelFloor(static_cast<float>(layout.GridTop) + static_cast<float>(row) * ch + ch / 2)};
}

void DrawSelectionChart(const SelectionChartData& chart, Canvas& target) {
    const int32_t wp = target.Width();
    const int32_t hp = target.Height();
    target.FillRect({0, 0, wp, hp}, WhiteColor);
    const SelectionChartLayout layout = LayOutSelectionChart(chart, wp, hp);
    const float cw = layout.CellWidth;
    const float ch = layout.CellHeight;
    const auto nrows = static_cast<int32_t>(chart.Widths.size());
    const auto ncols = static_cast<int32_t>(chart.Heights.size());
    const auto columnX = [&](int32_t m) {
        return PixelFloor(static_cast<float>(layout.GridLeft) + static_cast<float>(m) * cw);
    };
    const auto rowY = [&](int32_t k) {
        return PixelFloor(static_cast<float>(layout.GridTop) + static_cast<float>(k) * ch);
    };
    const int32_t gridBottom = rowY(nrows);
    const int32_t gridRight = columnX(ncols);

    // Labels first: a label wider than its cell must not break the grid lines that close the
    // cells for the fill.
    for (int32_t m = 1; m <= ncols; ++m) {
        WriteCentred(target, std::to_string(chart.Heights[static_cast<size_t>(m - 1)]),
                     {columnX(m - 1), gridBottom, columnX(m), gridBottom + LabelRow});
    }
    for (int32_t k = 1; k <= nrows; ++k) {
        WriteCentred(target, std::to_string(chart.Widths[static_cast<size_t>(k - 1)]),
                     {LeftMargin, rowY(k - 1), layout.GridLeft, rowY(k)});
    }
    for (int32_t m = 0; m <= ncols; ++m) {
        target.Line({columnX(m), TopMargin}, {columnX(m), gridBottom + LabelRow}, BlackColor, 1);
    }
    for (int32_t k = 0; k <= nrows; ++k) {
        target.Line({LeftMargin, rowY(k)}, {gridRight, rowY(k)}, BlackColor, 1);
    }

    for (int32_t row = 0; row < nrows; ++row) {
        for (int32_t column = 0; column < ncols; ++column) {
            const std::optional<Rgb> fill =
                CodeColor(CodeAt(chart, static_cast<size_t>(row), static_cast<size_t>(column)));
            if (fill) {
                target.FloodFill(SelectionCellCentre(layout, row, column), BlackColor, *fill);
            }
        }
    }

    const std::array<LegendLine, 3> legend = {{
        {ChartGreen, "сечение проходит по всем проверкам"},
        {ChartYellow, "сечение не проходит либо по устойчивости либо по прогибам"},
        {ChartRed, "сечение не проходит по прочности"},
    }};
    for (size_t i = 0; i < legend.size(); ++i) {
        const int32_t shift = 17 * static_cast<int32_t>(i);
        target.Rectangle({38, hp - 50 + shift, 58, hp - 40 + shift}, BlackColor, legend[i].Color);
        target.Text({65, hp - 53 + shift}, legend[i].Text, BlackColor, WhiteColor);
    }
}

} // namespace balka
