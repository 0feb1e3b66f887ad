// The "Реакции опор" window: a thin, non-modal view of the reactions model. Its widgets carry
// the names "Grid", "lNote", "lWarning" and "bCopy"; the table is read-only and follows every
// recalculation, and "Копировать" (or Ctrl+C) puts the table with its notes on the clipboard as
// text. Created once, hidden; closing only hides it.
#pragma once

#include "model/EditorView.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace balka {

class ReactionsDialog;
class Workspace;

class ReactionsWindow : public QWidget, public EditorView {
    Q_OBJECT
  public:
    explicit ReactionsWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~ReactionsWindow() override;

    // The window has no input fields and no current cell to move.
    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;

    // The model's text on the clipboard.
    void CopyToClipboard();

  private:
    void BuildLayout();

    ReactionsDialog& model_;
    QTableWidget* grid_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* warning_ = nullptr;
};

} // namespace balka
