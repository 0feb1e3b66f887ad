// The loads editor's input panel and its table operations: add with the merge rule, delete,
// clear, renumber and the span list. In-place editing lives in LoadsInPlaceEdit.cpp.
#include "editors/LoadsEditor.h"

#include "editors/SpanList.h"
#include "editors/WindowModels.h"
#include "model/Numbers.h"
#include "model/Ranges.h"

namespace balka {

namespace {

// What the kind choice does to the panel, apart from the permanence.
LoadPanel KindPanel(LoadKind kind) {
    const char* const perMetre = " Нагрузка, F, кг/мп";
    switch (kind) {
    case LoadWholeSpan:
        return {"GLL", true, perMetre, false, false, true};
    case LoadPartSpan:
        return {"PLL", true, perMetre, true, true, true};
    case LoadPoint:
        return {"DL", true, " Нагрузка, F, кг", true, false, true};
    case LoadWholeBeam:
        break;
    }
    return {"GLL", false, perMetre, false, false, true};
}

bool UsesPosition(LoadKind kind) {
    return kind == LoadPartSpan || kind == LoadPoint;
}

} // namespace

LoadsEditor::LoadsEditor(WindowModels& models) : models_(models) {}

void LoadsEditor::Refresh() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

bool LoadsEditor::Refuse(const std::string& message, const std::string& focusField) {
    // The boxes may hold texts another window wrote (the snow dialog): show them with the refusal.
    Refresh();
    models_.Messages.ShowMessage(message);
    if (view_ != nullptr && !focusField.empty()) {
        view_->FocusField(focusField);
    }
    return false;
}

float LoadsEditor::SpanLength(int span) const {
    return TextToFloat(models_.Geometry.Grid.Cell(1, span));
}

LoadPanel LoadsEditor::Panel() const {
    LoadPanel panel = KindPanel(Kind);
    panel.KdEnabled = Duration == Permanence::Temporary;
    return panel;
}

void LoadsEditor::ChooseKind(LoadKind kind) {
    Kind = kind;
    Refresh();
}

void LoadsEditor::ChoosePermanence(Permanence permanence) {
    Duration = permanence;
    // A permanent load acts for its whole life: its duration factor is 1. (Assigned from a
    // std::string: GCC 12 warns falsely, -Wrestrict, on the plain literal in this file.)
    if (permanence == Permanence::Permanent) {
        KdText = std::string("1");
    }
    Refresh();
}

bool LoadsEditor::KeyPress(LoadBox box, NumericBox& text, char32_t key) {
    const bool passes = FilterNumericKey(text, key, MinusSign::Refused, NumberKind::Real);
    switch (box) {
    case LoadBox::F:
        FText = text.Text;
        break;
    case LoadBox::Yf:
        YfText = text.Text;
        break;
    case LoadBox::Kd:
        KdText = text.Text;
        break;
    case LoadBox::X:
        XText = text.Text;
        break;
    case LoadBox::S:
        SText = text.Text;
        break;
    }
    return passes;
}

bool LoadsEditor::ReadCommonBoxes(PanelValues& values) {
    if (FText.empty()) {
        return Refuse("Укажите значение нагрузки.", "leF");
    }
    const auto f = TryTextToFloat(FText);
    if (!f) {
        return Refuse("Значение в поле ''Нагрузка'' не является числом.", "leF");
    }
    if (CompareWithTolerance(0, *f) != 1) {
        return Refuse("Значение нагрузки должно быть больше нуля.", "leF");
    }
    if (IsAboveHighest(Quantity::LoadValue, *f)) {
        return Refuse(TooLargeMessage(Quantity::LoadValue), "leF");
    }
    if (YfText.empty()) {
        return Refuse("Укажите значение коэффициента надежности по нагрузке.", "leYf");
    }
    const auto yf = TryTextToFloat(YfText);
    if (!yf) {
        return Refuse("Значение в поле ''Коэффициент надежности'' не является числом.", "leYf");
    }
    if (CompareWithTolerance(0, *yf) == -1) {
        return Refuse("Значение коэффициента надежности по нагрузке не может быть отрицательным.",
                      "leYf");
    }
    if (IsAboveHighest(Quantity::LoadFactor, *yf)) {
        return Refuse(TooLargeMessage(Quantity::LoadFactor), "leYf");
    }
    if (KdText.empty()) {
        return Refuse("Укажите значение коэффициента длительности.", "leKd");
    }
    const auto kd = TryTextToFloat(KdText);
    if (!kd) {
        return Refuse("Значение в поле ''Коэффициент длительности'' не является числом.", "leKd");
    }
    if (CompareWithTolerance(0, *kd) == -1) {
        return Refuse("Значение коэффициента длительности не может быть отрицательным.", "leKd");
    }
    if (CompareWithTolerance(1, *kd) == 1) {
        return Refuse("Значение коэффициента длительности не может быть больше единицы.", "leKd");
    }
    values.F = *f;
    values.Yf = *yf;
    values.Kd = *kd;
    return true;
}

bool LoadsEditor::ReadPosition(PanelValues& values) {
    const float length = SpanLength(values.Span);
    if (XText.empty()) {
        return Refuse("Укажите величину привязки.", "leX");
    }
    const auto x = TryTextToFloat(XText);
    if (!x) {
        return Refuse("Значение в поле ''Привязка'' не является числом.", "leX");
    }
    if (Kind == LoadPartSpan && CompareWithTolerance(0, *x) == -1) {
        return Refuse("Величина привязки не может быть отрицательной.", "leX");
    }
    if (Kind == LoadPoint && CompareWithTolerance(0, *x) != 1) {
        return Refuse("Величина привязки должна быть больше нуля.", "leX");
    }
    values.X = *x;
    if (Kind == LoadPoint) {
        if (!PointLoadInsideSpan(length, *x)) {
            return Refuse("Привязка сосредоточенной нагрузки должна быть меньше длины пролета.",
                          "leX");
        }
        return true;
    }
    if (SText.empty()) {
        return Refuse("Укажите длину нагрузки.", "leS");
    }
    const auto s = TryTextToFloat(SText);
    if (!s) {
        return Refuse("Значение в поле ''Длина нагрузки'' не является числом.", "leS");
    }
    if (CompareWithTolerance(0, *s) != 1) {
        return Refuse("Длина нагрузки должна быть больше нуля.", "leS");
    }
    values.S = *s;
    if (!PartLoadFitsSpan(length, *x, *s)) {
        return Refuse("Нагрузка выходит за пределы пролета. Проверьте правильность задания "
                      "привязки и длины нагрузки.",
                      "leX");
    }
    return true;
}

std::vector<int> LoadsEditor::MatchingRows(const PanelValues& values) const {
    const auto same = [](const std::string& cell, float value) {
        return CompareWithTolerance(TextToFloat(cell), value) == 0;
    };
    std::vector<int> rows;
    for (int row = 1; row <= models_.Beam.LoadCount; ++row) {
        const auto span = TryTextToInt(Grid.Cell(SpanColumn, row));
        const auto kind = TryTextToInt(Grid.Cell(KindColumn, row));
        if (!span || !kind || *span != values.Span || *kind != Kind ||
            !same(Grid.Cell(YfColumn, row), values.Yf) ||
            !same(Grid.Cell(KdColumn, row), values.Kd)) {
            continue;
        }
        if (UsesPosition(Kind) && !same(Grid.Cell(XColumn, row), values.X)) {
            continue;
        }
        if (Kind == LoadPartSpan && !same(Grid.Cell(SColumn, row), values.S)) {
            continue;
        }
        rows.push_back(row);
    }
    return rows;
}

void LoadsEditor::AppendRow(const PanelValues& values) {
    const int row = models_.Beam.LoadCount + 1;
    // The first load takes the blank row an empty table keeps.
    Grid.SetDataRowCount(row);
    Grid.SetCell(SpanColumn, row, std::to_string(values.Span));
    Grid.SetCell(KindColumn, row, std::to_string(static_cast<int>(Kind)));
    Grid.SetCell(FColumn, row, FormatCompact(values.F));
    Grid.SetCell(YfColumn, row, FormatCompact(values.Yf));
    Grid.SetCell(KdColumn, row, FormatCompact(values.Kd));
    Grid.SetCell(XColumn, row, UsesPosition(Kind) ? FormatMetres(values.X) : " ");
    Grid.SetCell(SColumn, row, Kind == LoadPartSpan ? FormatMetres(values.S) : " ");
    models_.Beam.LoadCount = row;
}

bool LoadsEditor::AddLoad() {
    const int spanCount = models_.Beam.SpanCount;
    if (spanCount == 0) {
        return Refuse("Для добавления нагрузок у балки должен быть хотя бы один пролет.", "");
    }
    PanelValues values;
    if (!ReadCommonBoxes(values)) {
        return false;
    }
    if (Kind != LoadWholeBeam) {
        values.Span = SpanIndex + 1;
        // The list always has a choice while there are spans; a row naming no span would be
        // dropped silently by the recalculation, so it is never written.
        if (values.Span < 1 || values.Span > spanCount) {
            return Refuse("Выберите пролет, к которому приложена нагрузка.", "cbSpan");
        }
    }
    if (UsesPosition(Kind) && !ReadPosition(values)) {
        return false;
    }
    const std::vector<int> matches = MatchingRows(values);
    for (const int row : matches) {
        if (IsAboveHighest(Quantity::LoadValue, TextToFloat(Grid.Cell(FColumn, row)) + values.F)) {
            return Refuse("Сумма нагрузок строки " + std::to_string(row) +
                              " и добавляемой "
                              "нагрузки превышает допустимую. " +
                              TooLargeMessage(Quantity::LoadValue),
                          "leF");
        }
    }
    if (matches.empty() && models_.Beam.LoadCount >= kMaxLoadCount) {
        return Refuse("Нельзя задать больше " + std::to_string(kMaxLoadCount) + " нагрузок.", "");
    }
    // A matching row keeps its own factors and position; only its value grows.
    for (const int row : matches) {
        Grid.SetCell(FColumn, row, FormatCompact(TextToFloat(Grid.Cell(FColumn, row)) + values.F));
    }
    if (matches.empty()) {
        AppendRow(values);
    }
    RenumberLoads();
    Refresh();
    return true;
}

void LoadsEditor::bAddClick() {
    if (AddLoad()) {
        models_.Recalculate();
    }
}

bool LoadsEditor::bAddSnowClick() {
    if (models_.Beam.SpanCount == 0) {
        return Refuse("Для добавления нагрузок у балки должен быть хотя бы один пролет.", "");
    }
    return true;
}

void LoadsEditor::bDeleteClick() {
    // Nothing is deleted, and nothing recalculated, unless a row of the table is selected.
    if (SelectedRow < 1 || SelectedRow > models_.Beam.LoadCount) {
        return;
    }
    DeleteLoad(SelectedRow);
    models_.Recalculate();
}

void LoadsEditor::bClearClick() {
    ClearLoads();
    models_.Recalculate();
}

void LoadsEditor::DeleteLoad(int row) {
    int& count = models_.Beam.LoadCount;
    if (count == 0 || row < 1 || row > count) {
        return;
    }
    if (count == 1) {
        Grid.Clear();
    } else {
        Grid.DeleteRow(row);
    }
    --count;
    if (SelectedRow > count) {
        SelectedRow = count > 0 ? count : 1;
    }
    RenumberLoads();
    Refresh();
}

void LoadsEditor::ClearLoads() {
    if (models_.Beam.LoadCount == 0) {
        return;
    }
    Grid.Clear();
    models_.Beam.LoadCount = 0;
    SelectedRow = 1;
    Refresh();
}

void LoadsEditor::RenumberLoads() {
    for (int row = 1; row <= models_.Beam.LoadCount; ++row) {
        Grid.SetCell(0, row, std::to_string(row));
    }
    // Project loading and the template fill the table and then renumber it: show their work.
    Refresh();
}

void LoadsEditor::RefreshSpanList() {
    SpanItems = SpanListItems(models_.Beam.SpanCount);
    SpanIndex = KeptSpanIndex(SpanIndex, static_cast<int>(SpanItems.size()));
    Refresh();
}

} // namespace balka
