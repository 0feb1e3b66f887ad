// The geometry editor's model ("Геометрия"): the spans table, the slope-angle text, the two
// end-support choices and the box of the next span's length. Lengths are horizontal metres as
// text written by FormatCompact; the spans table's data rows are rows 1..Beam.SpanCount.
// The editor keeps the loads and holes tables consistent with the spans: deleting or shortening
// a span deletes or renumbers what belonged to it. Every accepted change ends in exactly one
// Recalculate; a refusal shows its message and changes nothing.
#pragma once

#include "model/EditorView.h"
#include "model/NumericKeyFilter.h"
#include "model/TextTable.h"

#include <array>
#include <string>

namespace balka {

class WindowModels;

class GeometryEditor {
  public:
    static constexpr const char* Caption = "Геометрия";
    // The items of both support lists; their index is what the recalculation reads.
    static constexpr std::array<const char*, 3> SupportNames = {"Шарнир", "Заделка", "Консоль"};

    explicit GeometryEditor(WindowModels& models);

    // The view that shows this model; nullptr when none is attached.
    void AttachView(EditorView* view) { view_ = view; }

    TextTable Grid{{"№", "L, м"}};
    std::string AngleText = "0";
    // Index into SupportNames; -1 when nothing is chosen.
    int LeftSupportIndex = 0;
    int RightSupportIndex = 0;
    // The text of leSpanLength, the next span's length.
    std::string SpanLengthText;
    // The table's selected data row, which "Удалить" deletes.
    int SelectedRow = 1;
    // The cell's text when in-place editing began; a refused edit puts it back.
    std::string PrevCellText;

    // "Добавить" or Enter in leSpanLength: checks the length, appends the span, recalculates.
    void bAddClick();
    // "Удалить": deletes the selected span with its loads and holes, renumbers the later ones.
    void bDeleteClick();
    // "Очистить": spans, loads and holes all go.
    void bClearClick();

    bool GridCanEditCell(int column, int row) const;
    void GridDblClickCell(int column, int row);
    // A key typed into the cell being edited: true when the editor takes it.
    bool GridKeyPress(char32_t key) const;
    // The in-place edit of a length ended with `text` in cell (column, row).
    void GridEditCellDone(int column, int row, const std::string& text);

    // Keys typed into leSpanLength and leAngle. The box carries the view's text and caret in
    // and the filtered ones out; true when the view inserts the key itself. Enter confirms.
    bool leSpanLengthKeyPress(NumericBox& box, char32_t key);
    bool leAngleKeyPress(NumericBox& box, char32_t key);
    // Any change of the angle text: the status bar shows the angle as pending.
    void leAngleChange(const std::string& text);
    void cbLeftSupportChange(int index);
    void cbRightSupportChange(int index);

    // Back to no spans; loads and holes are the caller's business.
    void ClearSpans();
    void RenumberSpans();

  private:
    bool AddSpan();
    void DeleteSpan(int row);
    // The loads and holes after span `row` has been deleted.
    void DeleteSpanLoads(int row);
    void DeleteSpanHoles(int row);
    // The loads and holes of span `row` that no longer fit its new length.
    void DropLoadsBeyond(int row, float length);
    void DropHolesBeyond(int row, float length);
    bool ReadAngle();
    void RefreshSpanLists();
    void Refuse(const std::string& message, const std::string& focusField);
    void RefuseCell(const std::string& message, int row);

    WindowModels& models_;
    EditorView* view_ = nullptr;
};

} // namespace balka
