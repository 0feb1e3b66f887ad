// The "Нагрузки" window: a thin view of the loads editor's model. Its widgets carry the control
// names of the model ("cbSpan", "rbBeamLoad", "rbVrem", "leF", ..., "Grid", "bAdd"); every user
// action goes to the model, which asks the window to show it anew. "Добавить снег" emits
// SnowDialogRequested when the model allows it. Created once, hidden, shown without blocking
// the main window; "ОК" only hides it.
#pragma once

#include "model/EditorView.h"

#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace balka {

class LoadsEditor;
class Workspace;

class LoadsWindow : public QWidget, public EditorView {
    Q_OBJECT
  public:
    explicit LoadsWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~LoadsWindow() override;

    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;

  signals:
    void SnowDialogRequested();

  private:
    void BuildLayout();
    void Run(const std::function<void()>& action);

    Workspace& workspace_;
    LoadsEditor& model_;
    QLabel* picture_ = nullptr;
    QComboBox* span_ = nullptr;
    // "на балку", "на пролет", "на часть пролета", "сосредоточенная".
    std::array<QRadioButton*, 4> kinds_{};
    QRadioButton* temporary_ = nullptr;
    QRadioButton* permanent_ = nullptr;
    QLabel* fCaption_ = nullptr;
    // leF, leYf, leKd, leX, leS.
    std::array<QLineEdit*, 5> boxes_{};
    QTableWidget* grid_ = nullptr;
};

} // namespace balka
