// The geometry editor's operations: adding, deleting and clearing spans with the cascade to the
// loads and holes tables, the in-place length edit, the slope angle and the end supports.
#include "editors/GeometryEditor.h"

#include "editors/CellKeyFilter.h"
#include "editors/WindowModels.h"
#include "model/Numbers.h"
#include "model/Ranges.h"

namespace balka {

namespace {

// Column of the loads table and of the holes table holding the span number.
constexpr int kSpanColumn = 1;
constexpr int kLoadKindColumn = 2;
constexpr int kLoadXColumn = 6;
constexpr int kLoadSColumn = 7;
constexpr int kHoleXColumn = 3;

const char* const kRestored = " Возвращено предыдущее значение.";

} // namespace

GeometryEditor::GeometryEditor(WindowModels& models) : models_(models) {}

void GeometryEditor::Refuse(const std::string& message, const std::string& focusField) {
    models_.Messages.ShowMessage(message);
    if (view_ != nullptr) {
        view_->FocusField(focusField);
    }
}

void GeometryEditor::RefuseCell(const std::string& message, int row) {
    models_.Messages.ShowMessage(message + kRestored);
    Grid.SetCell(1, row, PrevCellText);
    if (view_ != nullptr) {
        view_->Refresh();
        view_->SelectCell(1, row);
    }
}

void GeometryEditor::RefreshSpanLists() {
    models_.Loads.RefreshSpanList();
    models_.Holes.RefreshSpanList();
}

void GeometryEditor::RenumberSpans() {
    for (int row = 1; row <= models_.Beam.SpanCount; ++row) {
        Grid.SetCell(0, row, std::to_string(row));
    }
    // Project loading and the template fill the table and then renumber it: show their work.
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

void GeometryEditor::ClearSpans() {
    Grid.Clear();
    models_.Beam.SpanCount = 0;
    SelectedRow = 1;
    RefreshSpanLists();
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

bool GeometryEditor::AddSpan() {
    if (SpanLengthText.empty()) {
        Refuse("Укажите длину добавляемого пролета.", "leSpanLength");
        return false;
    }
    const auto length = TryTextToFloat(SpanLengthText);
    if (!length) {
        Refuse("Значение длины пролета не является числом.", "leSpanLength");
        return false;
    }
    if (CompareWithTolerance(0, *length) != 1) {
        Refuse("Значение длины пролета должно быть больше нуля.", "leSpanLength");
        return false;
    }
    if (IsAboveHighest(Quantity::SpanLength, *length)) {
        Refuse(TooLargeMessage(Quantity::SpanLength), "leSpanLength");
        return false;
    }
    int& count = models_.Beam.SpanCount;
    if (count >= kMaxSpanCount) {
        Refuse("У балки не может быть больше " + std::to_string(kMaxSpanCount) + " пролетов.",
               "leSpanLength");
        return false;
    }
    ++count;
    // The first span takes the blank row an empty table keeps.
    Grid.SetDataRowCount(count);
    Grid.SetCell(1, count, FormatMetres(*length));
    SelectedRow = count;
    RenumberSpans();
    RefreshSpanLists();
    if (view_ != nullptr) {
        view_->Refresh();
        view_->SelectCell(1, count);
        // The view selects the box's whole text, so the next length is typed over it.
        view_->FocusField("leSpanLength");
    }
    return true;
}

void GeometryEditor::bAddClick() {
    if (AddSpan()) {
        models_.Recalculate();
    }
}

void GeometryEditor::DeleteSpan(int row) {
    int& count = models_.Beam.SpanCount;
    if (count == 0) {
        return;
    }
    --count;
    Grid.DeleteRow(row);
    if (SelectedRow > count) {
        SelectedRow = count > 0 ? count : 1;
    }
    RenumberSpans();
    RefreshSpanLists();
}

void GeometryEditor::DeleteSpanLoads(int row) {
    LoadsEditor& loads = models_.Loads;
    if (models_.Beam.SpanCount == 0) {
        loads.ClearLoads();
        return;
    }
    int load = 1;
    while (load <= models_.Beam.LoadCount) {
        const int span = TextToInt(loads.Grid.Cell(kSpanColumn, load));
        if (span == row) {
            // The next load moves up into this position and is examined next.
            loads.DeleteLoad(load);
            continue;
        }
        if (span > row) {
            loads.Grid.SetCell(kSpanColumn, load, std::to_string(span - 1));
        }
        ++load;
    }
}

void GeometryEditor::DeleteSpanHoles(int row) {
    HolesEditor& holes = models_.Holes;
    if (models_.Beam.SpanCount == 0) {
        holes.ClearHoles();
        return;
    }
    // The holes editor keeps its rows sorted by span and may reorder them on a deletion, so the
    // holes of the deleted span go first, from the top each time, and the renumbering follows.
    for (int hole = 1; hole <= models_.Beam.HoleCount;) {
        if (TextToInt(holes.Grid.Cell(kSpanColumn, hole)) == row) {
            holes.DeleteHole(hole);
            hole = 1;
        } else {
            ++hole;
        }
    }
    for (int hole = 1; hole <= models_.Beam.HoleCount; ++hole) {
        const int span = TextToInt(holes.Grid.Cell(kSpanColumn, hole));
        if (span > row) {
            holes.Grid.SetCell(kSpanColumn, hole, std::to_string(span - 1));
        }
    }
}

void GeometryEditor::bDeleteClick() {
    const int count = models_.Beam.SpanCount;
    if (SelectedRow < 1 || SelectedRow > count) {
        return;
    }
    const int row = SelectedRow;
    DeleteSpan(row);
    DeleteSpanLoads(row);
    DeleteSpanHoles(row);
    // The cascade renumbered span cells in the other tables: their windows show them anew.
    RefreshSpanLists();
    if (view_ != nullptr) {
        view_->Refresh();
    }
    models_.Recalculate();
}

void GeometryEditor::bClearClick() {
    ClearSpans();
    models_.Loads.ClearLoads();
    models_.Holes.ClearHoles();
    models_.Recalculate();
}

bool GeometryEditor::GridCanEditCell(int column, int row) const {
    return models_.Beam.SpanCount > 0 && column == 1 && row >= 1 && row <= models_.Beam.SpanCount;
}

void GeometryEditor::GridDblClickCell(int column, int row) {
    if (GridCanEditCell(column, row)) {
        PrevCellText = Grid.Cell(column, row);
    }
}

bool GeometryEditor::GridKeyPress(char32_t key) const {
    return CellEditKeyPasses(key);
}

void GeometryEditor::DropLoadsBeyond(int row, float length) {
    LoadsEditor& loads = models_.Loads;
    int load = 1;
    while (load <= models_.Beam.LoadCount) {
        bool beyond = false;
        if (TextToInt(loads.Grid.Cell(kSpanColumn, load)) == row) {
            const int kind = TextToInt(loads.Grid.Cell(kLoadKindColumn, load));
            if (kind == LoadPartSpan) {
                const float x = TextToFloat(loads.Grid.Cell(kLoadXColumn, load));
                const float s = TextToFloat(loads.Grid.Cell(kLoadSColumn, load));
                beyond = !PartLoadFitsSpan(length, x, s);
            } else if (kind == LoadPoint) {
                const float x = TextToFloat(loads.Grid.Cell(kLoadXColumn, load));
                beyond = !PointLoadInsideSpan(length, x);
            }
        }
        if (beyond) {
            loads.DeleteLoad(load);
        } else {
            ++load;
        }
    }
}

void GeometryEditor::DropHolesBeyond(int row, float length) {
    HolesEditor& holes = models_.Holes;
    // From the top after each deletion, since deleting may reorder the holes of one span.
    for (int hole = 1; hole <= models_.Beam.HoleCount;) {
        if (TextToInt(holes.Grid.Cell(kSpanColumn, hole)) == row &&
            !WithinSpan(length, TextToFloat(holes.Grid.Cell(kHoleXColumn, hole)))) {
            holes.DeleteHole(hole);
            hole = 1;
        } else {
            ++hole;
        }
    }
}

void GeometryEditor::GridEditCellDone(int column, int row, const std::string& text) {
    if (!GridCanEditCell(column, row)) {
        return;
    }
    Grid.SetCell(column, row, text);
    if (text == PrevCellText) {
        return;
    }
    if (text.empty()) {
        RefuseCell("Ячейка не может быть пустой.", row);
        return;
    }
    const auto length = TryTextToFloat(text);
    if (!length) {
        RefuseCell("Введенное значение не является числом.", row);
        return;
    }
    if (CompareWithTolerance(0, *length) != 1) {
        RefuseCell("Значение длины должно быть больше нуля.", row);
        return;
    }
    if (IsAboveHighest(Quantity::SpanLength, *length)) {
        RefuseCell(TooLargeMessage(Quantity::SpanLength), row);
        return;
    }
    Grid.SetCell(column, row, FormatMetres(*length));
    // Loads and holes that no longer fit the shorter span go without a message.
    DropLoadsBeyond(row, *length);
    DropHolesBeyond(row, *length);
    if (view_ != nullptr) {
        view_->Refresh();
    }
    models_.Recalculate();
}

bool GeometryEditor::leSpanLengthKeyPress(NumericBox& box, char32_t key) {
    const bool passes = FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real);
    SpanLengthText = box.Text;
    if (key == KeyEnter) {
        bAddClick();
        return false;
    }
    return passes;
}

bool GeometryEditor::ReadAngle() {
    if (AngleText.empty()) {
        Refuse("Укажите угол наклона балки.", "leAngle");
        return false;
    }
    const auto angle = TryTextToFloat(AngleText);
    if (!angle) {
        Refuse("Значение угла наклона не является числом.", "leAngle");
        return false;
    }
    if (CompareWithTolerance(0, *angle) == -1) {
        Refuse("Значение угла не может быть отрицательным.", "leAngle");
        return false;
    }
    if (IsAboveHighest(Quantity::SlopeAngle, *angle)) {
        Refuse(TooLargeMessage(Quantity::SlopeAngle), "leAngle");
        return false;
    }
    return true;
}

bool GeometryEditor::leAngleKeyPress(NumericBox& box, char32_t key) {
    const bool passes = FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real);
    if (box.Text != AngleText) {
        leAngleChange(box.Text);
    }
    if (key == KeyEnter) {
        if (ReadAngle()) {
            models_.Recalculate();
        }
        return false;
    }
    return passes;
}

void GeometryEditor::leAngleChange(const std::string& text) {
    AngleText = text;
    models_.View.SetStatusText(PanelAngle, "Угол - ...");
}

void GeometryEditor::cbLeftSupportChange(int index) {
    LeftSupportIndex = index;
    models_.Recalculate();
}

void GeometryEditor::cbRightSupportChange(int index) {
    RightSupportIndex = index;
    models_.Recalculate();
}

} // namespace balka
