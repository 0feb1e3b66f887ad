// The "Шаблон" window: a thin view of the typical-beam template's model. Its widgets carry the
// control names of the model ("cbSpans", "cbLeft", "leLeft", "leL1" ... "leL5", "leAngle", "leH",
// "rbAngle", "rbH", "leStep", "leLoad", "leYf", "Image", "bApply", "bOK", "bCancel"). Created
// once, hidden, shown without blocking; it keeps its texts between uses.
#pragma once

#include "editors/TemplateDialog.h"
#include "model/EditorView.h"

#include <QWidget>
#include <functional>
#include <map>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace balka {

class Workspace;

class TemplateWindow : public QWidget, public EditorView {
    Q_OBJECT
  public:
    explicit TemplateWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~TemplateWindow() override;

    void FocusField(const std::string& controlName) override;
    void SelectCell(int, int) override {}
    void Refresh() override;

  private:
    void BuildLayout();
    QLineEdit* AddBox(QBoxLayout* layout, TemplateDialog::Box box, const char* caption);
    void Run(const std::function<void()>& action);

    Workspace& workspace_;
    TemplateDialog& model_;
    std::map<TemplateDialog::Box, QLineEdit*> boxes_;
    QComboBox* spans_ = nullptr;
    QCheckBox* left_ = nullptr;
    QCheckBox* right_ = nullptr;
    QRadioButton* byAngle_ = nullptr;
    QRadioButton* byHeight_ = nullptr;
    QLabel* image_ = nullptr;
};

} // namespace balka
