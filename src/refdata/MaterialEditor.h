// The model of the material characteristics window: four material types by three values (MPa:
// bending strength, shear strength, modulus of elasticity), read from material.txt at start and
// written back whole after every accepted edit. Row 0 holds the headers and column 0 the type
// names; only the value cells are edited, and they only ever hold a text that passed the checks
// or came from the file. The table is the live source the design reads its values from.
#pragma once

#include "model/EditorView.h"
#include "model/MessageSink.h"
#include "model/TextTable.h"
#include "refdata/MaterialValues.h"

#include <filesystem>
#include <string>

namespace balka {

class MaterialEditor {
  public:
    static constexpr int MaterialCount = 4;

    enum class EditResult { Unchanged, Accepted, Refused };

    // `file` is material.txt; nothing is read until LoadMaterials.
    MaterialEditor(std::filesystem::path file, MessageSink& messages);

    const TextTable& Table() const { return table_; }

    // Reads the file into the table; a missing or malformed file (fewer than eight lines, fewer
    // than three values in a line, a value that is no number or outside the range of material
    // values) gives one message naming the file and the faulty line, and the cells filled
    // before the fault keep their new texts.
    void LoadMaterials();
    // Writes the whole table to the file (Windows-1251, CR LF); a failed write gives its message
    // and leaves the old file whole.
    void SaveMaterials();

    // Only the value cells of the data rows can be edited, started by a double-click.
    static bool IsCellEditable(int column, int row);
    // Keys a value cell takes while it is edited: digits, Backspace, Enter, comma, full stop.
    static bool AcceptsCellKey(char32_t key);
    // The end of an in-place edit with the text typed. A changed text is checked (empty, not a
    // number, not above zero) and, when accepted, stored and saved; a refused one leaves the
    // previous text and makes its cell current again.
    EditResult GridEditCellDone(int column, int row, const std::string& text);

    // The type name and the values (MPa) of the type with list index `index` (0..3), as the
    // design takes them; the values are read with the current separator and throw
    // ConversionError when a cell is no number.
    const std::string& Name(int index) const;
    TMaterialValues Values(int index) const;

    // The window showing this model, or none. It is asked to show the table anew after it was
    // read or an edit was accepted, and to make a refused cell current.
    void AttachView(EditorView* view) { view_ = view; }

  private:
    // What is wrong with the file ("строка 4: ..."), or nothing.
    std::string ReadFile();

    std::filesystem::path file_;
    MessageSink& messages_;
    TextTable table_;
    EditorView* view_ = nullptr;
};

} // namespace balka
