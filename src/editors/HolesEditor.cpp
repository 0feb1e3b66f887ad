// The holes editor's checks and table operations. The clearance test works in horizontal metres
// as 32-bit floats: a hole of diameter d at x has the half-width w = d x 0.001 x 0.5 and protects
// the zone from x - 0.2 cos(a) - w to x + 0.2 cos(a) + w, a being the slope read by the last
// recalculation; only the 200 mm clearance shrinks with the slope, never the hole itself.
#include "editors/HolesEditor.h"

#include "editors/CellKeyFilter.h"
#include "editors/SpanList.h"
#include "editors/WindowModels.h"
#include "model/Numbers.h"
#include "model/Ranges.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace balka {

namespace {

const char* const kNoSpans = "Для добавления отверстий у балки должен быть хотя бы один пролет.";
const char* const kNoSpanChosen = "Выберите пролет, в котором находится отверстие.";
const char* const kBeyondSpan = "Привязка отверстия не может быть больше длины пролета.";
const char* const kTooClose = "Расстояние между краями отверстий должно быть не менее 200 мм.";
const char* const kCellEmpty = "Ячейка не может быть пустой. Возвращено предыдущее значение.";
const char* const kCellNotNumber =
    "Введенное значение не является числом. Возвращено предыдущее значение.";
const char* const kCellPutBack = " Возвращено предыдущее значение.";

const char* const kCaptionD = " Диаметр отверстия, d, мм";
const char* const kCaptionX = " Привязка к опоре, х, м";
const char* const kCaptionY = " Привязка по высоте, у, м";

std::string NotNumberMessage(const char* caption) {
    return std::string("Значение в поле ") + caption + " не является числом.";
}

float HalfWidth(int diameterMm) {
    return static_cast<float>(diameterMm) * 0.001f * 0.5f;
}

} // namespace

HolesEditor::HolesEditor(WindowModels& models) : models_(models) {}

void HolesEditor::bAddClick() {
    if (!AddHole()) {
        return;
    }
    models_.Recalculate();
}

void HolesEditor::bDeleteClick(int selectedRow) {
    // Nothing is deleted, and nothing recalculated, unless a row of the table is selected.
    if (selectedRow < 1 || selectedRow > models_.Beam.HoleCount) {
        return;
    }
    DeleteHole(selectedRow);
    models_.Recalculate();
}

void HolesEditor::bClearClick() {
    ClearHoles();
    models_.Recalculate();
}

void HolesEditor::GridDblClickCell(int column, int row) {
    if (GridCanEditCell(column, row)) {
        PrevCellText = Grid.Cell(column, row);
    }
}

bool HolesEditor::GridCanEditCell(int column, int row) const {
    const int count = models_.Beam.HoleCount;
    return count > 0 && row >= 1 && row <= count && column >= ColSpan && column <= ColY;
}

HolesEditor::CellEditor HolesEditor::GridCellEditor(int column, int row) const {
    if (!GridCanEditCell(column, row)) {
        return CellEditor::None;
    }
    return column == ColSpan ? CellEditor::SpanList : CellEditor::Text;
}

std::vector<std::string> HolesEditor::SpanNumberChoices() const {
    std::vector<std::string> choices;
    for (int span = 1; span <= models_.Beam.SpanCount; ++span) {
        choices.push_back(std::to_string(span));
    }
    return choices;
}

void HolesEditor::GridEditCellDone(int column, int row, const std::string& text) {
    if (!GridCanEditCell(column, row)) {
        return;
    }
    Grid.SetCell(column, row, text);
    ApplyHoleCellEdit(column, row);
    RequestRefresh();
    models_.Recalculate();
}

bool HolesEditor::leDKeyPress(NumericBox& box, char32_t key) const {
    return FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Integer);
}

bool HolesEditor::leXKeyPress(NumericBox& box, char32_t key) const {
    return FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real);
}

bool HolesEditor::leYKeyPress(NumericBox& box, char32_t key) const {
    return FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real);
}

bool HolesEditor::GridKeyPress(char32_t key) {
    return CellEditKeyPasses(key);
}

bool HolesEditor::AddHole() {
    const int spanCount = models_.Beam.SpanCount;
    if (spanCount == 0) {
        models_.Messages.ShowMessage(kNoSpans);
        return false;
    }

    if (DText.empty()) {
        Refuse("Укажите значение диаметра отверстия.", "leD");
        return false;
    }
    const std::optional<int32_t> d = TryTextToInt(DText);
    if (!d) {
        Refuse(NotNumberMessage(kCaptionD), "leD");
        return false;
    }
    if (CompareWithTolerance(0, static_cast<float>(*d)) != 1) {
        Refuse("Значение диаметра отверстия должно быть больше нуля.", "leD");
        return false;
    }
    if (IsAboveHighest(Quantity::HoleDiameter, static_cast<float>(*d))) {
        Refuse(TooLargeMessage(Quantity::HoleDiameter), "leD");
        return false;
    }
    if (XText.empty()) {
        Refuse("Укажите значение привязки отверстия к опоре.", "leX");
        return false;
    }
    const std::optional<float> x = TryTextToFloat(XText);
    if (!x) {
        Refuse(NotNumberMessage(kCaptionX), "leX");
        return false;
    }
    if (CompareWithTolerance(0, *x) == -1) {
        Refuse("Значение привязки к опоре не может быть отрицательным.", "leX");
        return false;
    }
    if (YText.empty()) {
        Refuse("Укажите значение привязки отверстия по высоте.", "leY");
        return false;
    }
    const std::optional<float> y = TryTextToFloat(YText);
    if (!y) {
        Refuse(NotNumberMessage(kCaptionY), "leY");
        return false;
    }
    if (CompareWithTolerance(0, *y) == -1) {
        Refuse("Значение привязки по высоте не может быть отрицательным.", "leY");
        return false;
    }
    if (IsAboveHighest(Quantity::HoleHeight, *y)) {
        Refuse(TooLargeMessage(Quantity::HoleHeight), "leY");
        return false;
    }

    // The list may lag behind the spans only if a caller forgot RefreshSpanList.
    const int span = SpanIndex + 1;
    if (span < 1 || span > spanCount) {
        Refuse(kNoSpanChosen, "cbSpan");
        return false;
    }
    switch (CheckPlacement(HolePlace{span, *d, *x, 0})) {
    case Placement::BeyondSpan:
        Refuse(kBeyondSpan, "leX");
        return false;
    case Placement::TooClose:
        Refuse(kTooClose, "leX");
        return false;
    case Placement::Fits:
        break;
    }

    int& count = models_.Beam.HoleCount;
    if (count >= kMaxHoleCount) {
        models_.Messages.ShowMessage("Нельзя задать больше " + std::to_string(kMaxHoleCount) +
                                     " отверстий.");
        return false;
    }
    if (count > 0) {
        Grid.AppendRow();
    }
    const int row = count + 1;
    Grid.SetCell(ColSpan, row, std::to_string(span));
    Grid.SetCell(ColDiameter, row, DText);
    Grid.SetCell(ColX, row, FormatMetres(*x));
    Grid.SetCell(ColY, row, FormatMetres(*y));
    count = row;
    SortBySpan();
    RenumberHoles();
    RequestRefresh();
    return true;
}

void HolesEditor::ApplyHoleCellEdit(int column, int row) {
    if (!GridCanEditCell(column, row)) {
        return;
    }
    const std::string text = Grid.Cell(column, row);
    if (column == ColSpan) {
        // The drop-down list offers existing spans only; anything else is put back.
        const std::optional<int32_t> span = TryTextToInt(text);
        if (!span || *span < 1 || *span > models_.Beam.SpanCount) {
            RefuseCellEdit(column, row, kCellNotNumber);
            return;
        }
    } else {
        if (text.empty()) {
            RefuseCellEdit(column, row, kCellEmpty);
            return;
        }
        if (column == ColDiameter) {
            // Whole millimetres only, as the box admits and the recalculation reads.
            const std::optional<int32_t> d = TryTextToInt(text);
            if (!d) {
                RefuseCellEdit(column, row, kCellNotNumber);
                return;
            }
            if (CompareWithTolerance(0, static_cast<float>(*d)) != 1) {
                RefuseCellEdit(column, row,
                               std::string("Значение диаметра отверстия должно быть больше нуля.") +
                                   kCellPutBack);
                return;
            }
            if (IsAboveHighest(Quantity::HoleDiameter, static_cast<float>(*d))) {
                RefuseCellEdit(column, row, TooLargeMessage(Quantity::HoleDiameter) + kCellPutBack);
                return;
            }
        } else {
            const std::optional<float> value = TryTextToFloat(text);
            if (!value) {
                RefuseCellEdit(column, row, kCellNotNumber);
                return;
            }
            if (CompareWithTolerance(0, *value) == -1) {
                const char* const message =
                    column == ColX
                        ? "Значение привязки отверстия к опоре не может быть меньше нуля."
                        : "Значение привязки отверстия по высоте не может быть меньше "
                          "нуля.";
                RefuseCellEdit(column, row, std::string(message) + kCellPutBack);
                return;
            }
            if (column == ColY && IsAboveHighest(Quantity::HoleHeight, *value)) {
                RefuseCellEdit(column, row, TooLargeMessage(Quantity::HoleHeight) + kCellPutBack);
                return;
            }
        }
    }

    if (column == ColX) {
        const HolePlace hole{RowSpan(row), TextToInt(Grid.Cell(ColDiameter, row)),
                             TextToFloat(text), row};
        switch (CheckPlacement(hole)) {
        case Placement::BeyondSpan:
            RefuseCellEdit(column, row, kBeyondSpan);
            return;
        case Placement::TooClose:
            RefuseCellEdit(column, row, kTooClose);
            return;
        case Placement::Fits:
            break;
        }
    }
    SortBySpan();
    RenumberHoles();
}

void HolesEditor::DeleteHole(int row) {
    int& count = models_.Beam.HoleCount;
    if (count == 0 || row < 1 || row > count) {
        return;
    }
    Grid.DeleteRow(row);
    --count;
    SortBySpan();
    RenumberHoles();
    RequestRefresh();
}

void HolesEditor::ClearHoles() {
    if (models_.Beam.HoleCount == 0) {
        return;
    }
    Grid.Clear();
    models_.Beam.HoleCount = 0;
    RequestRefresh();
}

void HolesEditor::RenumberHoles() {
    for (int row = 1; row <= models_.Beam.HoleCount; ++row) {
        Grid.SetCell(ColNumber, row, std::to_string(row));
    }
    // Project loading fills the table and then renumbers it: show its work.
    RequestRefresh();
}

void HolesEditor::RefreshSpanList() {
    SpanItems = SpanListItems(models_.Beam.SpanCount);
    SpanIndex = KeptSpanIndex(SpanIndex, static_cast<int>(SpanItems.size()));
    RequestRefresh();
}

void HolesEditor::DropHolesOutsideSpans() {
    const int spanCount = models_.Beam.SpanCount;
    for (int row = models_.Beam.HoleCount; row >= 1; --row) {
        const int span = RowSpan(row);
        const bool fits = span >= 1 && span <= spanCount &&
                          WithinSpan(SpanLength(span), TextToFloat(Grid.Cell(ColX, row)));
        if (!fits) {
            DeleteHole(row);
        }
    }
}

HolesEditor::Placement HolesEditor::CheckPlacement(const HolePlace& hole) const {
    const float length = SpanLength(hole.Span);
    if (!WithinSpan(length, hole.X)) {
        return Placement::BeyondSpan;
    }
    const auto c = static_cast<float>(
        std::cos(static_cast<double>(models_.Beam.SlopeAngle) * std::numbers::pi / 180.0));
    const float w = HalfWidth(hole.Diameter);
    const float lo = hole.X - 0.2f * c - w;
    const float hi = hole.X + 0.2f * c + w;

    for (int row = 1; row <= models_.Beam.HoleCount; ++row) {
        if (row == hole.OwnRow) {
            continue;
        }
        const int span = RowSpan(row);
        const float x = TextToFloat(Grid.Cell(ColX, row));
        const float halfWidth = HalfWidth(TextToInt(Grid.Cell(ColDiameter, row)));
        const float left = x - halfWidth;
        const float right = x + halfWidth;
        if (span == hole.Span) {
            if ((lo < left && hi > left) || (lo > left && lo < right)) {
                return Placement::TooClose;
            }
        } else if (span == hole.Span - 1) {
            // Measured from the shared support: the other hole's right edge lies right - Lp
            // beyond it (a negative distance, inside its own span).
            if (right - SpanLength(span) > lo) {
                return Placement::TooClose;
            }
        } else if (span == hole.Span + 1 && hole.Span < models_.Beam.SpanCount) {
            if (hi - length > left) {
                return Placement::TooClose;
            }
        }
    }
    return Placement::Fits;
}

float HolesEditor::SpanLength(int span) const {
    return TextToFloat(models_.Geometry.Grid.Cell(1, span));
}

int HolesEditor::RowSpan(int row) const {
    return TextToInt(Grid.Cell(ColSpan, row));
}

void HolesEditor::SortBySpan() {
    const int count = models_.Beam.HoleCount;
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row <= count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < Grid.ColumnCount(); ++column) {
            cells.push_back(Grid.Cell(column, row));
        }
        rows.push_back(std::move(cells));
    }
    // Stable, so holes of one span keep the order in which they were entered.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return TextToInt(a[ColSpan]) < TextToInt(b[ColSpan]);
    });
    for (int row = 1; row <= count; ++row) {
        for (int column = 0; column < Grid.ColumnCount(); ++column) {
            Grid.SetCell(column, row,
                         rows[static_cast<size_t>(row - 1)][static_cast<size_t>(column)]);
        }
    }
}

void HolesEditor::RefuseCellEdit(int column, int row, const std::string& message) {
    models_.Messages.ShowMessage(message);
    Grid.SetCell(column, row, PrevCellText);
    if (view_ != nullptr) {
        view_->SelectCell(column, row);
    }
}

void HolesEditor::Refuse(const std::string& message, const char* field) {
    models_.Messages.ShowMessage(message);
    if (view_ != nullptr) {
        view_->FocusField(field);
    }
}

void HolesEditor::RequestRefresh() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

} // namespace balka
