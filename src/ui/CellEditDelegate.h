// In-place editing of an editor's table, bound to its window model by a set of hooks: whether a
// cell may be edited, the start of an edit (the model remembers the cell's text), a drop-down
// list or a text editor whose keys the model filters, and the end of the edit. The edited text
// reaches the model only after the cell editor has closed, so that a refusal's message box
// cannot make the closing editor commit a second time. Table row r is the model's row r + 1.
#pragma once

#include <QStyledItemDelegate>
#include <functional>
#include <string>
#include <vector>

class QTableWidget;

namespace balka {

struct CellEditHooks {
    std::function<bool(int column, int row)> CanEdit;
    std::function<void(int column, int row)> Begin;
    // The items of a drop-down editor; an empty list means a text editor.
    std::function<std::vector<std::string>(int column, int row)> ListItems;
    std::function<bool(char32_t key)> KeyPasses;
    std::function<void(int column, int row, const std::string& text)> Done;
    // Draws a cell itself; false leaves it to the usual drawing.
    std::function<bool(QPainter* painter, const QRect& rect, int column, int row)> Paint;
};

class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    CellEditDelegate(CellEditHooks hooks, QTableWidget* table);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    CellEditHooks hooks_;
};

// Shows a text table in a table widget: its header row as the column headers, every data row
// (the blank row of an empty table included), text centred, the "№" column in the button face.
void ShowTextTable(QTableWidget& widget, const class TextTable& table);

// Makes data row `row` (counted from 1) the current and visibly selected one, keeping the
// current column; none is current when `row` lies outside 1..count, so nothing unseen can be
// deleted.
void ShowCurrentRow(QTableWidget& widget, int row, int count);

} // namespace balka
