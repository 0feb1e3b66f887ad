// The model of the section-size catalogue window ("Сортамент"): the catalogue read from
// sortament.txt, the grid the window shows (widths down column 0, heights across row 0, cell
// (k, j) the mark "1" available, "2" not available, "0" no entry) and the user's actions. Every
// change is written to the file at once; a size added or deleted is not made when its file cannot
// be written, while a toggled mark stays, as the user saw it change. Sizes are whole
// millimetres. Others learn of changes through OnChanged.
#pragma once

#include "model/EditorView.h"
#include "model/MessageSink.h"
#include "model/TextTable.h"
#include "refdata/SectionCatalogue.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace balka {

class CatalogueEditor {
  public:
    // What changed: the lists of widths and heights (the design dialog refills its size lists
    // and re-evaluates its size), or only the availability of one size (re-evaluation only).
    enum class Change { SizeLists, Availability };
    // Pixel sizes of the grid and the window, which adapt to the catalogue.
    struct Geometry {
        int GridWidth = 0;
        int GridHeight = 0;
        int WindowWidth = 0;
        int WindowHeight = 0;
    };
    static constexpr int RowHeight = 18;
    static constexpr int ColumnWidth = 39;

    // `file` is sortament.txt; nothing is read until LoadCatalogue.
    CatalogueEditor(std::filesystem::path file, MessageSink& messages);

    // Reads the file; a missing or malformed one gives its message and leaves an empty catalogue.
    void LoadCatalogue();

    // "Добавить толщину" and "Добавить высоту" with the text of their box.
    void AddWidth(std::string_view boxText);
    void AddHeight(std::string_view boxText);
    // "Удалить строку" and "Удалить столбец" with the grid's current row or column.
    void DeleteRow(int row);
    void DeleteColumn(int column);
    // Double-click on a grid cell: available and not available swap; other cells stay.
    void ToggleSize(int column, int row);

    const SectionCatalogue& Catalogue() const { return catalogue_; }
    const TextTable& Grid() const { return grid_; }
    Geometry Sizes() const;
    // The texts the design dialog lists: the widths in row order, the heights in column order.
    std::vector<std::string> WidthTexts() const;
    std::vector<std::string> HeightTexts() const;
    // True when the first width and the first height whose texts equal these exactly (so "200"
    // and "0200" differ) mark an available size.
    bool IsAvailable(std::string_view widthText, std::string_view heightText) const;

    // The window showing this model, or none. It is asked to show the model anew after every
    // action that changed it, and to focus the width box "edWidth", the height box "edHeight" or
    // the button "bOK".
    void AttachView(EditorView* view) { view_ = view; }
    // Told after every change, for the design dialog's size lists and availability sign.
    std::function<void(Change)> OnChanged;

  private:
    enum class Axis { Width, Height };

    void AddSize(Axis axis, std::string_view boxText);
    // Writes `changed` and adopts it; a failed write shows its message and keeps the old one.
    bool Store(SectionCatalogue changed);
    void Adopt(SectionCatalogue catalogue);
    void Notify(Change change) const;
    void Focus(const char* controlName) const;

    std::filesystem::path file_;
    MessageSink& messages_;
    SectionCatalogue catalogue_;
    TextTable grid_;
    EditorView* view_ = nullptr;
};

} // namespace balka
