// The section-size catalogue window ("Сортамент"): a view of CatalogueEditor. Heights head the
// columns and widths the rows of the grid; a data cell shows a green (available) or red (not
// available) mark and a double-click on it toggles the size. The buttons forward the boxes'
// texts and the grid's current row or column to the model, and the window then shows the
// model again, resized to the catalogue. "ОК" hides the window.
#pragma once

#include "model/EditorView.h"
#include "refdata/CatalogueEditor.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace balka {

class CatalogueWindow : public QDialog, public EditorView {
    Q_OBJECT
  public:
    explicit CatalogueWindow(CatalogueEditor& editor, QWidget* parent = nullptr);
    ~CatalogueWindow() override;

    // "edWidth", "edHeight" or "bOK".
    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    // Shows the model's grid again and sizes grid and window to it.
    void Refresh() override;

    QTableWidget* Grid() const { return grid_; }
    QLineEdit* WidthBox() const { return widthBox_; }
    QLineEdit* HeightBox() const { return heightBox_; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    QPushButton* AddButton(const char* text);

    CatalogueEditor& editor_;
    QTableWidget* grid_ = nullptr;
    QLineEdit* widthBox_ = nullptr;
    QLineEdit* heightBox_ = nullptr;
    QPushButton* addWidth_ = nullptr;
    QPushButton* addHeight_ = nullptr;
    QPushButton* deleteRow_ = nullptr;
    QPushButton* deleteColumn_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace balka
