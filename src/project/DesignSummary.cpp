// The grid's columns are as wide as the widest height, so the codes stand under their heights.
#include "project/DesignSummary.h"

#include <algorithm>

namespace balka {

namespace {

std::string RightAligned(const std::string& text, size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

int32_t CodeAt(const SelectionChartData& chart, size_t row, size_t column) {
    if (row >= chart.Codes.size() || column >= chart.Codes[row].size()) {
        return SelectionNotAvailable;
    }
    return chart.Codes[row][column];
}

} // namespace

std::string DesignSummary(const std::vector<TResultLine>& lines) {
    std::string text;
    for (const TResultLine& line : lines) {
        text += line.Text + "\n";
    }
    return text;
}

std::string SelectionSummary(const SelectionChartData& chart) {
    size_t column = 1;
    for (const int32_t height : chart.Heights) {
        column = std::max(column, std::to_string(height).size());
    }
    size_t rowLabel = 3; // "b\h"
    for (const int32_t width : chart.Widths) {
        rowLabel = std::max(rowLabel, std::to_string(width).size());
    }

    std::string text = "Подбор сечения: ширина b (строки) и высота h (столбцы), мм\n";
    text += RightAligned("b\\h", rowLabel);
    for (const int32_t height : chart.Heights) {
        text += " " + RightAligned(std::to_string(height), column);
    }
    text += "\n";
    for (size_t row = 0; row < chart.Widths.size(); ++row) {
        text += RightAligned(std::to_string(chart.Widths[row]), rowLabel);
        for (size_t i = 0; i < chart.Heights.size(); ++i) {
            text += " " + RightAligned(std::to_string(CodeAt(chart, row, i)), column);
        }
        text += "\n";
    }
    text += "3 - сечение проходит по всем проверкам\n"
            "2 - сечение не проходит либо по устойчивости либо по прогибам\n"
            "1 - сечение не проходит по прочности\n"
            "0 - сечения нет в сортаменте\n";
    return text;
}

} // namespace balka
