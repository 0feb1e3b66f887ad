// In-place editing of the loads table: which cells may be edited, the check of the edited value,
// the check that the edited load stays within its span, and the merge of an edited row into the
// first other row that now equals it in all but F. An accepted value stays as typed; a refused
// one gets the cell's previous text back. Every edit ends in one Recalculate, refused or not.
#include "editors/CellKeyFilter.h"
#include "editors/LoadsEditor.h"
#include "editors/WindowModels.h"
#include "model/Numbers.h"
#include "model/Ranges.h"

namespace balka {

namespace {

const char* const kRestored = " Возвращено предыдущее значение.";

} // namespace

bool LoadsEditor::GridCanEditCell(int column, int row) const {
    const int count = models_.Beam.LoadCount;
    if (count == 0 || row < 1 || row > count) {
        return false;
    }
    const auto kind = TryTextToInt(Grid.Cell(KindColumn, row));
    if (!kind || *kind < LoadWholeBeam || *kind > LoadPoint) {
        return false;
    }
    switch (column) {
    case SpanColumn:
    case FColumn:
    case YfColumn:
    case KdColumn:
        return true;
    case XColumn:
        return *kind == LoadPartSpan || *kind == LoadPoint;
    case SColumn:
        return *kind == LoadPartSpan;
    default:
        return false;
    }
}

LoadsEditor::CellEditor LoadsEditor::GridGetEditorType(int column, int /*row*/) const {
    return column == SpanColumn ? CellEditor::SpanList : CellEditor::Text;
}

std::vector<std::string> LoadsEditor::GridGetEditorItems() const {
    std::vector<std::string> items;
    for (int span = 1; span <= models_.Beam.SpanCount; ++span) {
        items.push_back(std::to_string(span));
    }
    return items;
}

void LoadsEditor::GridDblClickCell(int column, int row) {
    if (GridCanEditCell(column, row)) {
        PrevCellText = Grid.Cell(column, row);
    }
}

bool LoadsEditor::GridKeyPress(char32_t key) const {
    return CellEditKeyPasses(key);
}

void LoadsEditor::GridEditCellDone(int column, int row, const std::string& text) {
    if (!GridCanEditCell(column, row)) {
        return;
    }
    Grid.SetCell(column, row, text);
    ApplyLoadCellEdit(column, row);
    models_.Recalculate();
}

void LoadsEditor::RefuseCell(const std::string& message, int column, int row) {
    if (!message.empty()) {
        models_.Messages.ShowMessage(message + kRestored);
    }
    Grid.SetCell(column, row, PrevCellText);
    Refresh();
    if (view_ != nullptr) {
        view_->SelectCell(column, row);
    }
}

bool LoadsEditor::CheckEditedCell(int column, int row) {
    const std::string& text = Grid.Cell(column, row);
    if (column == SpanColumn) {
        // The value comes from the list of spans; anything else cannot be a span number.
        const auto span = TryTextToInt(text);
        if (!span || *span < 1 || *span > models_.Beam.SpanCount) {
            RefuseCell("", column, row);
            return false;
        }
        return true;
    }
    if (text.empty()) {
        RefuseCell("Ячейка не может быть пустой.", column, row);
        return false;
    }
    const auto value = TryTextToFloat(text);
    if (!value) {
        RefuseCell("Введенное значение не является числом.", column, row);
        return false;
    }
    std::string refusal;
    switch (column) {
    case FColumn:
        if (CompareWithTolerance(0, *value) != 1) {
            refusal = "Значение нагрузки должно быть больше нуля.";
        } else if (IsAboveHighest(Quantity::LoadValue, *value)) {
            refusal = TooLargeMessage(Quantity::LoadValue);
        }
        break;
    case YfColumn:
        if (CompareWithTolerance(0, *value) == -1) {
            refusal = "Значение коэффициента надежности по нагрузке не может быть отрицательным.";
        } else if (IsAboveHighest(Quantity::LoadFactor, *value)) {
            refusal = TooLargeMessage(Quantity::LoadFactor);
        }
        break;
    case KdColumn:
        if (CompareWithTolerance(0, *value) == -1) {
            refusal = "Значение коэффициента длительности не может быть отрицательным.";
        } else if (CompareWithTolerance(1, *value) == 1) {
            refusal = "Значение коэффициента длительности не может быть больше единицы.";
        }
        break;
    case XColumn:
        // In the table a partial load cannot start at the support either.
        if (CompareWithTolerance(0, *value) != 1) {
            refusal = "Величина привязки должна быть больше нуля.";
        }
        break;
    case SColumn:
        if (CompareWithTolerance(0, *value) != 1) {
            refusal = "Длина нагрузки должна быть больше нуля.";
        }
        break;
    default:
        break;
    }
    if (!refusal.empty()) {
        RefuseCell(refusal, column, row);
        return false;
    }
    return true;
}

bool LoadsEditor::CheckEditedRange(int column, int row) {
    const auto span = TryTextToInt(Grid.Cell(SpanColumn, row));
    const auto kind = TryTextToInt(Grid.Cell(KindColumn, row));
    if (!span || *span < 1 || *span > models_.Beam.SpanCount || !kind) {
        return true;
    }
    if (*kind == LoadPartSpan) {
        const float x = TextToFloat(Grid.Cell(XColumn, row));
        const float s = TextToFloat(Grid.Cell(SColumn, row));
        if (!PartLoadFitsSpan(SpanLength(*span), x, s)) {
            RefuseCell("Нагрузка выходит за пределы пролета.", column, row);
            return false;
        }
    } else if (*kind == LoadPoint) {
        const float x = TextToFloat(Grid.Cell(XColumn, row));
        if (!PointLoadInsideSpan(SpanLength(*span), x)) {
            RefuseCell("Привязка сосредоточенной нагрузки должна быть меньше длины пролета.",
                       column, row);
            return false;
        }
    }
    return true;
}

void LoadsEditor::MergeEditedRow(int column, int row) {
    const auto same = [this](int column, int rowA, int rowB) {
        return CompareWithTolerance(TextToFloat(Grid.Cell(column, rowA)),
                                    TextToFloat(Grid.Cell(column, rowB))) == 0;
    };
    const std::string kind = Grid.Cell(KindColumn, row);
    for (int other = 1; other <= models_.Beam.LoadCount; ++other) {
        if (other == row || Grid.Cell(SpanColumn, other) != Grid.Cell(SpanColumn, row) ||
            Grid.Cell(KindColumn, other) != kind || !same(YfColumn, other, row) ||
            !same(KdColumn, other, row)) {
            continue;
        }
        const bool hasX = kind == "3" || kind == "4";
        if ((hasX && !same(XColumn, other, row)) || (kind == "3" && !same(SColumn, other, row))) {
            continue;
        }
        const float sum =
            TextToFloat(Grid.Cell(FColumn, other)) + TextToFloat(Grid.Cell(FColumn, row));
        if (IsAboveHighest(Quantity::LoadValue, sum)) {
            RefuseCell("Сумма нагрузок строк " + std::to_string(other) + " и " +
                           std::to_string(row) + " превышает допустимую. " +
                           TooLargeMessage(Quantity::LoadValue),
                       column, row);
            return;
        }
        Grid.SetCell(FColumn, other, FormatCompact(sum));
        DeleteLoad(row);
        // A row below the deleted one has moved up by one.
        const int merged = other < row ? other : other - 1;
        SelectedRow = merged;
        if (view_ != nullptr) {
            view_->SelectCell(column, merged);
        }
        return;
    }
    RenumberLoads();
    Refresh();
}

void LoadsEditor::ApplyLoadCellEdit(int column, int row) {
    if (CheckEditedCell(column, row) && CheckEditedRange(column, row)) {
        MergeEditedRow(column, row);
    }
}

} // namespace balka
