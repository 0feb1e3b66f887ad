// A table of text cells addressed (column, row), row 0 the header and column 0 the row number,
// as the editors show it. An empty table keeps one blank data row; the model's counts, not the
// row count, say how many data rows are real.
#pragma once

#include <string>
#include <vector>

namespace balka {

class TextTable {
  public:
    explicit TextTable(std::vector<std::string> headers);

    int ColumnCount() const { return static_cast<int>(headers_.size()); }
    // Header row included.
    int RowCount() const { return static_cast<int>(rows_.size()) + 1; }

    // Reading or writing outside the table throws std::out_of_range.
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string text);

    void AppendRow();
    // Removes data row `row` (>= 1); the last data row is blanked instead of removed.
    void DeleteRow(int row);
    // Back to the header and one blank data row.
    void Clear();
    // Keeps data rows 1..count (at least one row, blank when count is 0).
    void SetDataRowCount(int count);

  private:
    std::vector<std::string> headers_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace balka
