// The "Снеговая нагрузка" dialog: a thin, non-modal view of the snow dialog's model. Its
// widgets carry the control names of the model ("cbSnow", "leB", "lLoad", "rbMen5", "rbBol5",
// "bAdd"). "Добавить" hides the dialog once the load has been added and keeps it open on a
// refusal. Created once, hidden; the loads window asks for it (SnowDialogRequested).
#pragma once

#include "model/EditorView.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace balka {

class SnowDialog;
class Workspace;

class SnowWindow : public QWidget, public EditorView {
    Q_OBJECT
  public:
    explicit SnowWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~SnowWindow() override;

    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;

    // Shows the dialog in front without blocking the other windows.
    void ShowDialog();

  private:
    void BuildLayout();

    Workspace& workspace_;
    SnowDialog& model_;
    QComboBox* region_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLabel* load_ = nullptr;
    QRadioButton* cold_ = nullptr;
    QRadioButton* mild_ = nullptr;
};

} // namespace balka
