#include "refdata/MaterialEditor.h"

#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/NumericKeyFilter.h"
#include "model/Ranges.h"
#include "model/TextEncoding.h"
#include "refdata/ParseDecimal.h"
#include "refdata/TextLines.h"

#include <stdexcept>
#include <string_view>

namespace balka {

namespace {

constexpr int ValueCount = 3;

// Splits off the text before the next semicolon; the last field may also be the whole rest.
bool TakeField(std::string_view& rest, bool lastField, std::string_view& field) {
    const size_t semicolon = rest.find(';');
    if (semicolon == std::string_view::npos) {
        if (!lastField) {
            return false;
        }
        field = rest;
        rest = {};
        return true;
    }
    field = rest.substr(0, semicolon);
    rest.remove_prefix(semicolon + 1);
    return true;
}

} // namespace

MaterialEditor::MaterialEditor(std::filesystem::path file, MessageSink& messages)
    : file_(std::move(file)), messages_(messages), table_({"", "Rиз, МПа", "Rск, МПа", "Е, МПа"}) {
    table_.SetDataRowCount(MaterialCount);
    const char* names[MaterialCount] = {"A", "B", "C", "Custom"};
    for (int row = 1; row <= MaterialCount; ++row) {
        table_.SetCell(0, row, names[row - 1]);
    }
}

void MaterialEditor::LoadMaterials() {
    const std::string fault = ReadFile();
    if (!fault.empty()) {
        messages_.ShowMessage("Возникли ошибки при загрузке данных из файла ''material.txt''. "
                              "Файл \"" +
                              file_.string() + "\", " + fault + ".");
    }
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

std::string MaterialEditor::ReadFile() {
    const auto bytes = ReadWholeFile(file_);
    if (!bytes) {
        return "файл не удалось прочитать";
    }
    const std::vector<std::string> lines = SplitLines(DecodeFileText(*bytes));
    if (lines.size() < 2 * MaterialCount) {
        return "строка " + std::to_string(lines.size() + 1) + ": строки нет (нужно " +
               std::to_string(2 * MaterialCount) + " строк)";
    }
    for (int row = 1; row <= MaterialCount; ++row) {
        table_.SetCell(0, row, lines[static_cast<size_t>(2 * row - 2)]);
        const std::string line = "строка " + std::to_string(2 * row) + ": ";
        std::string_view rest = lines[static_cast<size_t>(2 * row - 1)];
        for (int column = 1; column <= ValueCount; ++column) {
            std::string_view field;
            if (!TakeField(rest, column == ValueCount, field)) {
                return line + "меньше трех значений через точку с запятой";
            }
            const auto value = ParseDecimal(field);
            if (!value) {
                return line + "значение \"" + std::string(field) + "\" не является числом";
            }
            // The design divides by these values and multiplies them into its capacities.
            if (!IsWithin(Quantity::MaterialValue, *value)) {
                return line + "значение " + std::string(field) +
                       " недопустимо: " + RangeRequirement(Quantity::MaterialValue);
            }
            table_.SetCell(column, row, FormatCompact(*value));
        }
    }
    return {};
}

void MaterialEditor::SaveMaterials() {
    std::vector<std::string> lines;
    for (int row = 1; row <= MaterialCount; ++row) {
        lines.push_back(table_.Cell(0, row));
        lines.push_back(table_.Cell(1, row) + ";" + table_.Cell(2, row) + ";" +
                        table_.Cell(3, row));
    }
    try {
        WriteFileReplacing(file_, EncodeWindows1251(JoinLinesCrLf(lines)));
    } catch (const FileError& error) {
        messages_.ShowMessage(error.what());
    }
}

bool MaterialEditor::IsCellEditable(int column, int row) {
    return column >= 1 && column <= ValueCount && row >= 1 && row <= MaterialCount;
}

bool MaterialEditor::AcceptsCellKey(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == U',' || key == U'.' || key == KeyBackspace ||
           key == KeyEnter;
}

MaterialEditor::EditResult MaterialEditor::GridEditCellDone(int column, int row,
                                                            const std::string& text) {
    if (!IsCellEditable(column, row) || text == table_.Cell(column, row)) {
        return EditResult::Unchanged;
    }
    std::string refusal;
    const auto value = TryTextToFloat(text);
    if (text.empty()) {
        refusal = "Ячейка не может быть пустой.";
    } else if (!value) {
        refusal = "Введенное значение не является числом.";
    } else if (CompareWithTolerance(0.0f, *value) <= 0) {
        refusal = "Значение должно быть больше нуля.";
    } else if (IsAboveHighest(Quantity::MaterialValue, *value)) {
        refusal = TooLargeMessage(Quantity::MaterialValue);
    }
    if (!refusal.empty()) {
        refusal += " Возвращено предыдущее значение.";
        messages_.ShowMessage(refusal);
        if (view_ != nullptr) {
            view_->SelectCell(column, row);
        }
        return EditResult::Refused;
    }
    table_.SetCell(column, row, text);
    SaveMaterials();
    if (view_ != nullptr) {
        view_->Refresh();
    }
    return EditResult::Accepted;
}

const std::string& MaterialEditor::Name(int index) const {
    return table_.Cell(0, index + 1);
}

TMaterialValues MaterialEditor::Values(int index) const {
    if (index < 0 || index >= MaterialCount) {
        throw std::out_of_range("нет типа материала с таким номером");
    }
    return {TextToFloat(table_.Cell(1, index + 1)), TextToFloat(table_.Cell(2, index + 1)),
            TextToFloat(table_.Cell(3, index + 1))};
}

} // namespace balka
