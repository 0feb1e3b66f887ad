// The holes editor's model: the holes table, whose data rows are rows 1..Beam.HoleCount, kept
// ordered by span number, and the input panel's span choice and three boxes. Positions are
// horizontal metres from the left support of the hole's span; diameters whole millimetres.
// Holes must lie within their span, and the edges of two holes must stay 200 mm apart along the
// beam axis (so 200 x cos(slope) horizontally), also across a support. Every accepted change
// ends in one recalculation; refusals go to the workspace's message sink.
#pragma once

#include "model/EditorView.h"
#include "model/NumericKeyFilter.h"
#include "model/TextTable.h"

#include <string>
#include <vector>

namespace balka {

class WindowModels;

class HolesEditor {
  public:
    explicit HolesEditor(WindowModels& models);

    // Columns of the holes table.
    enum Column { ColNumber = 0, ColSpan = 1, ColDiameter = 2, ColX = 3, ColY = 4 };
    // How a data cell is edited in place.
    enum class CellEditor { None, SpanList, Text };

    TextTable Grid{{"№", "Пр.", "d, мм", "х, м", "у, м"}};
    // cbSpan: "Пролет 1", "Пролет 2", ...; SpanIndex is the chosen item, -1 when none.
    std::vector<std::string> SpanItems;
    int SpanIndex = -1;
    // leD, leX, leY as the user typed them.
    std::string DText;
    std::string XText;
    std::string YText;
    // The cell's text when in-place editing began; a refused edit puts it back.
    std::string PrevCellText;

    // nullptr detaches; the model then asks nobody for focus or refresh.
    void AttachView(EditorView* view) { view_ = view; }

    // User actions. Each ends in one recalculation, as the window always did.
    void bAddClick();
    void bDeleteClick(int selectedRow);
    void bClearClick();
    void GridDblClickCell(int column, int row);
    bool GridCanEditCell(int column, int row) const;
    CellEditor GridCellEditor(int column, int row) const;
    // The choices of the "Пр." cell's drop-down list: "1" .. SpanCount.
    std::vector<std::string> SpanNumberChoices() const;
    // Writes the edited text into the cell, checks it (ApplyHoleCellEdit), then recalculates,
    // whether the edit was kept or refused.
    void GridEditCellDone(int column, int row, const std::string& text);

    // Key filters: true when the key passes to the box unchanged; a separator is inserted by the
    // filter itself. The diameter box takes digits only.
    bool leDKeyPress(NumericBox& box, char32_t key) const;
    bool leXKeyPress(NumericBox& box, char32_t key) const;
    bool leYKeyPress(NumericBox& box, char32_t key) const;
    // While a cell is edited only digits, Backspace, Enter, "," and "." pass, unchanged.
    static bool GridKeyPress(char32_t key);

    // Operations of other windows; none of them recalculates. AddHole is false when refused.
    bool AddHole();
    void ApplyHoleCellEdit(int column, int row);
    // Row 1..HoleCount; anything else is ignored.
    void DeleteHole(int row);
    void ClearHoles();
    void RenumberHoles();
    void RefreshSpanList();
    // After the spans were rebuilt: deletes the holes whose span no longer exists or whose
    // position lies beyond their span's length.
    void DropHolesOutsideSpans();

  private:
    // The new or edited hole, with the row it occupies (0 for a hole not yet in the table).
    struct HolePlace {
        int Span = 0;
        int Diameter = 0;
        float X = 0;
        int OwnRow = 0;
    };
    enum class Placement { Fits, BeyondSpan, TooClose };

    Placement CheckPlacement(const HolePlace& hole) const;
    float SpanLength(int span) const;
    int RowSpan(int row) const;
    void SortBySpan();
    void RefuseCellEdit(int column, int row, const std::string& message);
    void Refuse(const std::string& message, const char* field);
    void RequestRefresh();

    WindowModels& models_;
    EditorView* view_ = nullptr;
};

} // namespace balka
