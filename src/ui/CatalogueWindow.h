// The section-size catalogue window ("Сортамент"): a view of CatalogueEditor. Heights head the
// columns and widths the rows of the grid; a data cell shows a green (available) or red (not
// available) mark and a double-click on it toggles the size. The buttons forward the boxes'
// texts and the grid's current row or column to the model, and the window then shows the
// model again, resized to the catalogue. "ОК" hides the window.
#pragma once

#include "refdata/CatalogueEditor.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace balka {

class CatalogueWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CatalogueWindow(CatalogueEditor& editor, QWidget* parent = nullptr);
    ~CatalogueWindow() override;

    // Shows the model's grid again and sizes grid and window to it.
    void Refresh();

    QTableWidget* Grid() const { return grid_; }
    QLineEdit* WidthBox() const { return widthBox_; }
    QLineEdit* HeightBox() const { return heightBox_; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void Focus(CatalogueEditor::Control control);
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
