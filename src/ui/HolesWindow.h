// The "Отверстия" window: a thin view of the holes editor's model. Its widgets carry the
// control names of the model ("cbSpan", "leD", "leX", "leY", "Grid", "bAdd", ...); every user
// action goes to the model and the window then shows the model anew. It is created once,
// hidden, shown without blocking the main window, and "ОК" or closing only hides it.
#pragma once

#include "model/EditorView.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace balka {

class HolesEditor;
class Workspace;

class HolesWindow : public QWidget, public EditorView {
    Q_OBJECT
  public:
    explicit HolesWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~HolesWindow() override;

    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;

    // The end of an in-place edit, after the cell editor has closed.
    void ApplyCellEdit(int column, int row, const std::string& text);

  protected:
    // The geometry editor renumbers holes without asking this window; coming back to it shows
    // the table as it is.
    bool event(QEvent* event) override;

  private:
    void BuildLayout();
    void Run(const std::function<void()>& action);

    Workspace& workspace_;
    HolesEditor& model_;
    QLabel* picture_ = nullptr;
    QComboBox* span_ = nullptr;
    QLineEdit* d_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace balka
