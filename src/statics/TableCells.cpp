// The cell readers of the recalculation; every refusal carries the cell's place in the tables.
#include "statics/TableCells.h"

#include "model/ConversionError.h"
#include "model/Numbers.h"

namespace balka {

namespace {

std::string Place(const TableCell& cell) {
    return std::string(cell.TableName) + ", строка " + std::to_string(cell.Row) + ", столбец \"" +
           cell.Table.Cell(cell.Column, 0) + "\"";
}

template <typename Convert> auto Read(const TableCell& cell, Convert convert) {
    try {
        return convert(cell.Table.Cell(cell.Column, cell.Row));
    } catch (const ConversionError& error) {
        throw ConversionError(Place(cell) + ": " + error.what());
    }
}

} // namespace

float CellFloat(const TableCell& cell) {
    return Read(cell, [](const std::string& t) { return TextToFloat(t); });
}

double CellDouble(const TableCell& cell) {
    return Read(cell, [](const std::string& t) { return TextToDouble(t); });
}

int32_t CellInt(const TableCell& cell) {
    return Read(cell, [](const std::string& t) { return TextToInt(t); });
}

float CellWithin(const TableCell& cell, Quantity quantity) {
    const float value = CellFloat(cell);
    if (!IsWithin(quantity, value)) {
        RefuseCell(cell, RangeRequirement(quantity));
    }
    return value;
}

void RefuseCell(const TableCell& cell, const std::string& reason) {
    throw ConversionError(Place(cell) + ": значение \"" + cell.Table.Cell(cell.Column, cell.Row) +
                          "\" недопустимо: " + reason + ".");
}

} // namespace balka
