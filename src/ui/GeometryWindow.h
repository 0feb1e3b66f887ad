// The "Геометрия" window: a thin view of the geometry editor's model. Its widgets carry the
// control names of the model ("leSpanLength", "leAngle", "cbLeftSupport", "cbRightSupport",
// "Grid", "bAdd", ...); every user action goes to the model, which asks the window to show it
// anew. Created once, hidden, shown without blocking the main window; "ОК" only hides it.
#pragma once

#include "model/EditorView.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace balka {

class GeometryEditor;
class Workspace;

class GeometryWindow : public QWidget, public EditorView {
    Q_OBJECT
  public:
    explicit GeometryWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~GeometryWindow() override;

    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;

  private:
    void BuildLayout();
    void Run(const std::function<void()>& action);
    bool RunKey(const std::function<bool()>& action);

    Workspace& workspace_;
    GeometryEditor& model_;
    QLineEdit* spanLength_ = nullptr;
    QLineEdit* angle_ = nullptr;
    QComboBox* leftSupport_ = nullptr;
    QComboBox* rightSupport_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace balka
