// Numbers are written by FormatCompact with the program's decimal separator; positions stay
// whole millimetres, as exact as the model holds them.
#include "editors/ReactionsDialog.h"

#include "model/Numbers.h"

namespace balka {

namespace {

const char* const kNote = "Реакции от расчетных (F·γf), нормативных (F) и длительных (F·Kd) "
                          "нагрузок, направленные вверх положительны; момент в заделке - от "
                          "расчетных нагрузок, знак как на эпюре моментов.";
const char* const kVerticalNote = "Балка наклонная: реакции - вертикальные силы.";
const char* const kCannotCarryLoad = "При таких крайних опорах балка не может нести нагрузку.";

} // namespace

ReactionsDialog::ReactionsDialog()
    : Grid({"№", "x, мм", "Расчетная, кг", "Нормативная, кг", "Длительная, кг", "Момент, кг·м"}) {}

void ReactionsDialog::Clear() {
    Result = TSupportReactions{};
    Grid.Clear();
    SupportCount = 0;
    Note.clear();
    Warning.clear();
    Refresh();
}

void ReactionsDialog::Update(const TBeam& beam) {
    Result = ComputeSupportReactions(beam);
    Grid.Clear();
    SupportCount = static_cast<int>(Result.Supports.size());
    Grid.SetDataRowCount(SupportCount);
    for (int row = 1; row <= SupportCount; ++row) {
        const TSupportReaction& support = Result.Supports[static_cast<size_t>(row - 1)];
        Grid.SetCell(0, row, std::to_string(row));
        Grid.SetCell(1, row, std::to_string(support.X));
        Grid.SetCell(2, row, FormatCompact(support.Design));
        Grid.SetCell(3, row, FormatCompact(support.Normative));
        Grid.SetCell(4, row, FormatCompact(support.LongTerm));
        Grid.SetCell(5, row, support.Moment ? FormatCompact(*support.Moment) : "");
    }
    Note.clear();
    if (SupportCount > 0) {
        Note = kNote;
        if (Result.Sloped) {
            Note += std::string(" ") + kVerticalNote;
        }
    }
    Warning = ReactionBalanceMessage(Result);
    if (beam.SpanCount > 0 && CannotCarryLoad(beam)) {
        Warning = kCannotCarryLoad;
    }
    Refresh();
}

std::string ReactionsDialog::CopyText() const {
    std::string text = std::string(Caption) + "\n";
    for (int row = 0; row <= SupportCount; ++row) {
        for (int column = 0; column < Grid.ColumnCount(); ++column) {
            text += (column == 0 ? "" : "\t") + Grid.Cell(column, row);
        }
        text += "\n";
    }
    for (const std::string* line : {&Note, &Warning}) {
        if (!line->empty()) {
            text += *line + "\n";
        }
    }
    return text;
}

void ReactionsDialog::Refresh() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

} // namespace balka
