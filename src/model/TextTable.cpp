#include "model/TextTable.h"

#include <stdexcept>

namespace balka {

TextTable::TextTable(std::vector<std::string> headers) : headers_(std::move(headers)) {
    AppendRow();
}

const std::string& TextTable::Cell(int column, int row) const {
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount()) {
        throw std::out_of_range("ячейка таблицы вне её границ");
    }
    return row == 0 ? headers_[static_cast<size_t>(column)]
                    : rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(column)];
}

void TextTable::SetCell(int column, int row, std::string text) {
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount()) {
        throw std::out_of_range("ячейка таблицы вне её границ");
    }
    auto& cell = row == 0 ? headers_[static_cast<size_t>(column)]
                          : rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(column)];
    cell = std::move(text);
}

void TextTable::AppendRow() {
    rows_.emplace_back(headers_.size());
}

void TextTable::DeleteRow(int row) {
    if (row < 1 || row >= RowCount()) {
        throw std::out_of_range("строка таблицы вне её границ");
    }
    if (rows_.size() == 1) {
        rows_.front().assign(headers_.size(), std::string());
        return;
    }
    rows_.erase(rows_.begin() + (row - 1));
}

void TextTable::Clear() {
    SetDataRowCount(0);
}

void TextTable::SetDataRowCount(int count) {
    if (count <= 0) {
        rows_.assign(1, std::vector<std::string>(headers_.size()));
        return;
    }
    rows_.resize(static_cast<size_t>(count), std::vector<std::string>(headers_.size()));
}

} // namespace balka
