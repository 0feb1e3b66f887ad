// The design dialog "Расчет": a view of DesignDialog. The input area (330 pixels) holds the
// warning, the always open main panel and four collapsible panels in a scrolling group, and the
// buttons "Расчет", "Подбор", "Закрыть"; right of it lie the results panel (coloured verdict
// lines and "Отчет") and the selection panel (the chart). The model decides the width, which
// panel is open and shown, and what is enabled; the window only shows it and forwards edits.
#pragma once

#include <functional>

#include "editors/DesignDialog.h"
#include "editors/DesignDialogView.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTextEdit;
class QToolButton;
class QWidget;

namespace balka {

class DesignWindow : public QDialog, public DesignDialogView {
    Q_OBJECT
  public:
    explicit DesignWindow(DesignDialog& dialog, QWidget* parent = nullptr);
    ~DesignWindow() override;

    // Control names as the model uses them: "cbWidth", "edTemp", "edLP", ...
    void FocusField(const std::string& controlName) override;
    void SelectCell(int column, int row) override;
    void Refresh() override;
    void CloseDialog() override;
    void ScrollPanelsToTop() override;

    QWidget* Control(const std::string& controlName) const;
    QPushButton* CalculateButton() const { return calculate_; }
    QPushButton* SelectButton() const { return select_; }
    QPushButton* ReportButton() const { return report_; }
    QTextEdit* ResultsBox() const { return results_; }
    QWidget* ResultsPanel() const { return resultsPanel_; }
    QLabel* SelectionChart() const { return chart_; }
    QToolButton* PanelHeader(DesignDialog::Panel panel) const;
    QLabel* IndicatorOk() const { return imOK_; }
    QLabel* IndicatorWarning() const { return imWarning_; }

  signals:
    // The " ?" buttons beside the class lists.
    void serviceClassHelpRequested();
    void responsibilityClassHelpRequested();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void Guarded(const std::function<void()>& action);
    QWidget* BuildMainPanel();
    QWidget* BuildAdditionalPanel();
    QWidget* BuildTemperaturePanel();
    QWidget* BuildDeflectionPanel();
    QWidget* BuildStabilityPanel();
    void AddPanel(DesignDialog::Panel panel, const char* caption, QWidget* content);
    void ShowLists();
    void ShowFields();
    void ShowResults();
    void ShowChart();

    DesignDialog& dialog_;
    // Set while the window writes the model's values into its controls, so that their change
    // signals are not taken for the user's edits.
    bool showing_ = false;

    QScrollArea* scroll_ = nullptr;
    QWidget* panels_ = nullptr;
    std::array<QToolButton*, DesignDialog::PanelCount> headers_{};
    std::array<QWidget*, DesignDialog::PanelCount> contents_{};

    QComboBox* cbType_ = nullptr;
    QComboBox* cbWidth_ = nullptr;
    QComboBox* cbHeight_ = nullptr;
    QLineEdit* edWidthCount_ = nullptr;
    QLabel* imOK_ = nullptr;
    QLabel* imWarning_ = nullptr;
    QComboBox* cbClassResp_ = nullptr;
    QComboBox* cbClassExp_ = nullptr;
    QCheckBox* cbAntipiren_ = nullptr;
    QRadioButton* rbTemp35_ = nullptr;
    QRadioButton* rbTemp35_50_ = nullptr;
    QRadioButton* rbTemp50_ = nullptr;
    QLineEdit* edTemp_ = nullptr;
    QComboBox* cbDeflection_ = nullptr;
    QRadioButton* rbDlitelnie_ = nullptr;
    QRadioButton* rbKratkovremennie_ = nullptr;
    QLineEdit* edLP_ = nullptr;
    QLineEdit* edKf_ = nullptr;
    QLineEdit* edMmax_ = nullptr;
    QCheckBox* cbRast_ = nullptr;
    QLabel* lbRastCount_ = nullptr;
    QLineEdit* edRastCount_ = nullptr;

    QPushButton* calculate_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* close_ = nullptr;
    QWidget* resultsPanel_ = nullptr;
    QTextEdit* results_ = nullptr;
    QPushButton* report_ = nullptr;
    QWidget* selectionPanel_ = nullptr;
    QLabel* chart_ = nullptr;
};

} // namespace balka
