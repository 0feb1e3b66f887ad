// One number from a cell of an editor table, as the recalculation reads it. A text that does not
// convert, a number outside its range (model/Ranges.h) or a value the beam cannot hold ends the
// recalculation with a ConversionError that names the table, the row and the column by its
// header: "Геометрия, строка 2, столбец "L, м": значение "0" недопустимо: ...".
#pragma once

#include "model/Ranges.h"
#include "model/TextTable.h"

#include <cstdint>
#include <string>

namespace balka {

struct TableCell {
    const TextTable& Table;
    const char* TableName; // as the window names the table
    int Column;
    int Row;
};

float CellFloat(const TableCell& cell);
double CellDouble(const TableCell& cell);
int32_t CellInt(const TableCell& cell);
// A number that must lie within the quantity's range.
float CellWithin(const TableCell& cell, Quantity quantity);

// Ends the recalculation: the cell's value is not admissible, `reason` says why.
[[noreturn]] void RefuseCell(const TableCell& cell, const std::string& reason);

} // namespace balka
