// The loads editor's model ("Нагрузки"): the loads table, whose data rows are rows
// 1..Beam.LoadCount in the order they were added, and the input panel of the next load.
// Columns: "№", "Пр." (span number, "0" for a whole-beam load), "Тип" (kind code 1..4), "F"
// (kg/m, or kg for a point load), "Yf", "Kd", "x, м" and "s, м" (horizontal metres, a single
// blank where the kind has none). A new load equal to a row in all but F adds its F to that row.
// Every accepted change ends in exactly one Recalculate; so does every in-place edit.
#pragma once

#include "model/Beam.h"
#include "model/EditorView.h"
#include "model/NumericKeyFilter.h"
#include "model/TextTable.h"

#include <string>
#include <vector>

namespace balka {

class WindowModels;

enum class Permanence { Temporary, Permanent };

// The input boxes of the panel, for the key filter.
enum class LoadBox { F, Yf, Kd, X, S };

// What the kind and permanence choices make of the panel.
struct LoadPanel {
    std::string PictureName;
    bool SpanListEnabled = false;
    std::string FCaption;
    bool XEnabled = false;
    bool SEnabled = false;
    bool KdEnabled = true;
};

class LoadsEditor {
  public:
    static constexpr const char* Caption = "Нагрузки";
    static constexpr int SpanColumn = 1;
    static constexpr int KindColumn = 2;
    static constexpr int FColumn = 3;
    static constexpr int YfColumn = 4;
    static constexpr int KdColumn = 5;
    static constexpr int XColumn = 6;
    static constexpr int SColumn = 7;

    // How a table cell is edited in place.
    enum class CellEditor { Text, SpanList };

    explicit LoadsEditor(WindowModels& models);

    // The view that shows this model; nullptr when none is attached.
    void AttachView(EditorView* view) { view_ = view; }

    TextTable Grid{{"№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"}};

    // The input panel.
    LoadKind Kind = LoadWholeBeam;
    Permanence Duration = Permanence::Temporary;
    std::vector<std::string> SpanItems;
    // The chosen item of SpanItems; -1 when the list is empty.
    int SpanIndex = -1;
    std::string FText;
    std::string YfText;
    std::string KdText;
    std::string XText;
    std::string SText;

    // The table's selected data row, which "Удалить" deletes.
    int SelectedRow = 1;
    // The cell's text when in-place editing began; a refused edit puts it back.
    std::string PrevCellText;

    LoadPanel Panel() const;
    // The kind choices "на балку" ... "сосредоточенная" and "временная" / "постоянная".
    void ChooseKind(LoadKind kind);
    void ChoosePermanence(Permanence permanence);
    bool KeyPress(LoadBox box, NumericBox& text, char32_t key);

    void bAddClick();
    // True when the view is to show the snow-load dialog.
    bool bAddSnowClick();
    void bDeleteClick();
    void bClearClick();

    // Checks the panel and adds or merges the load; false, with the message shown, on a
    // refusal. The caller recalculates.
    bool AddLoad();
    void DeleteLoad(int row);
    void ClearLoads();
    void RenumberLoads();
    // Rebuilds SpanItems from the spans, keeping the chosen position where it still exists.
    void RefreshSpanList();

    // In-place editing of the table.
    bool GridCanEditCell(int column, int row) const;
    CellEditor GridGetEditorType(int column, int row) const;
    // The items of the span-number list editor: "1" .. SpanCount.
    std::vector<std::string> GridGetEditorItems() const;
    void GridDblClickCell(int column, int row);
    bool GridKeyPress(char32_t key) const;
    // The in-place edit ended with `text` in cell (column, row): checks, merge, recalculation.
    void GridEditCellDone(int column, int row, const std::string& text);

  private:
    struct PanelValues {
        int Span = 0;
        float F = 0;
        float Yf = 0;
        float Kd = 0;
        float X = 0;
        float S = 0;
    };

    bool ReadCommonBoxes(PanelValues& values);
    bool ReadPosition(PanelValues& values);
    // The rows the new load merges into: equal to it in all but F.
    std::vector<int> MatchingRows(const PanelValues& values) const;
    void AppendRow(const PanelValues& values);
    void ApplyLoadCellEdit(int column, int row);
    bool CheckEditedCell(int column, int row);
    bool CheckEditedRange(int column, int row);
    void MergeEditedRow(int column, int row);
    void RefuseCell(const std::string& message, int column, int row);
    bool Refuse(const std::string& message, const std::string& focusField);
    float SpanLength(int span) const;
    void Refresh();

    WindowModels& models_;
    EditorView* view_ = nullptr;
};

} // namespace balka
