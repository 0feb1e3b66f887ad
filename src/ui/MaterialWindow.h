// The material characteristics window: a view of MaterialEditor. The table shows the model's
// cells (row 0 as the header), value cells are edited in place after a double-click with the
// model's key filter, and the typed text goes to the model, which decides; the cell then shows
// the model's text again. "OK" hides the window; the window is never destroyed by closing.
#pragma once

#include "model/EditorView.h"
#include "refdata/MaterialEditor.h"

#include <QDialog>
#include <QTableWidget>

namespace balka {

class MaterialWindow : public QDialog, public EditorView {
    Q_OBJECT
  public:
    explicit MaterialWindow(MaterialEditor& editor, QWidget* parent = nullptr);
    ~MaterialWindow() override;

    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;

    // The end of an in-place edit of cell (column, row) of the model's table.
    void CellEditDone(int column, int row, const QString& text);

    QTableWidget* Table() const { return table_; }

  private:
    MaterialEditor& editor_;
    QTableWidget* table_ = nullptr;
};

} // namespace balka
