// The model of the design dialog "Расчет": its field texts and choices (kept as the project
// file keeps them, in Settings), the lists it offers, the catalogue indicator, the enabling and
// panel rules, the dialog's width, and the two commands: the calculation of the section in the
// size fields and the selection over the catalogue. Editing a field never recalculates
// anything; it may refresh the mass panel and mark the project modified. Widths are pixels.
#pragma once

#include "design/DesignRecords.h"
#include "design/DesignSettings.h"
#include "design/ResultSummary.h"
#include "editors/DesignDialogView.h"
#include "graphics/Canvas.h"
#include "graphics/SelectionChart.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace balka {

class WindowModels;

class DesignDialog {
  public:
    // The collapsible panels under "Основные параметры", which is always open.
    enum class Panel { Additional, Temperature, Deflection, Stability };
    static constexpr size_t PanelCount = 4;
    // Which of the two panels right of the inputs is shown.
    enum class ResultPanel { None, Results, Selection };
    // The size fields are read for a calculation and skipped by a selection.
    enum class SizeFields { Read, Skipped };

    static constexpr int32_t InputWidth = 330;
    static constexpr int32_t ResultsWidth = 790;
    static constexpr int32_t MinSelectionPanelWidth = 500;

    // Connects itself to the workspace's catalogue editor; lists stay empty until FillLists.
    explicit DesignDialog(WindowModels& models);
    DesignDialog(const DesignDialog&) = delete;
    DesignDialog& operator=(const DesignDialog&) = delete;

    // Items of the fixed lists.
    static const std::vector<std::string>& ClassItems();      // "1", "2", "3"
    static const std::vector<std::string>& DeflectionItems(); // "L/120" ... "L/600"

    // The field texts and choices. Written by opening a project through SetSettings, read by
    // saving one.
    DesignSettings Settings;
    // Items of cbType, cbWidth and cbHeight.
    std::vector<std::string> Materials;
    std::vector<std::string> Widths;
    std::vector<std::string> Heights;
    // imOK shown (the size is in the catalogue and available), else imWarning.
    bool SizeInCatalogue = false;

    // The whole width of the dialog and of its selection panel.
    int32_t DialogWidth = InputWidth;
    int32_t SelectionPanelWidth = MinSelectionPanelWidth;
    ResultPanel ShownPanel = ResultPanel::None;
    // The verdict lines of the last calculation and the colour of the results panel.
    std::vector<TResultLine> ResultLines;
    TPanelColour ResultsColour;
    // The codes of the last selection, drawn by DrawSelectionChart in the selection panel.
    SelectionChartData Chart;

    void AttachView(DesignDialogView* view) { view_ = view; }
    // Called by "Отчет" before the dialog closes: the main window shows the report.
    std::function<void()> ShowReport;
    // Makes the blank picture (ReportPictureWidth x ReportPictureHeight) into which every
    // calculation draws the report's scheme and diagrams before writing it as picture.jpg into
    // the report folder; a QtCanvas on the desktop. Without it no picture file is written.
    std::function<std::unique_ptr<Canvas>(int32_t width, int32_t height)> MakeReportPicture;

    // At start-up, after the material and catalogue files were read.
    void FillLists();
    // After the catalogue's lists changed: both size lists refilled, their first items chosen.
    void RefreshSizeLists();
    void RefreshIndicator();
    // Fields from an opened project; an index outside its list takes the dialog's default.
    void SetSettings(const DesignSettings& settings);

    // Validates the fields in their fixed order; on the first failure expands the field's
    // panel, focuses the field, shows its message and returns nothing.
    std::optional<TDesignInput> ReadInput(SizeFields sizes = SizeFields::Read);

    // The buttons "Расчет", "Подбор", "Отчет", "Закрыть".
    void OnCalculate();
    void OnSelect();
    void OnReport();
    void OnClose();
    // Every recalculation narrows the dialog to its inputs.
    void Collapse();

    // Panels: expanding one collapses the other open ones and scrolls back to the top.
    bool IsExpanded(Panel panel) const { return expanded_[static_cast<size_t>(panel)]; }
    void ExpandPanel(Panel panel);
    void CollapsePanel(Panel panel);

    // Enabling rules.
    bool TemperatureEnabled() const;
    bool RastCountEnabled() const;

    // The user's edits.
    void cbTypeChange(int32_t index);
    void cbWidthChange(const std::string& text);
    void cbHeightChange(const std::string& text);
    void edWidthCountChange(const std::string& text);
    void cbClassRespChange(int32_t index);
    void cbClassExpChange(int32_t index);
    void cbAntipirenClick(bool checked);
    void TemperatureModeClick(TTemperatureMode mode);
    void edTempChange(const std::string& text);
    void cbDeflectionChange(int32_t index);
    void DeflectionLoadsClick(DeflectionLoads loads);
    void edLPChange(const std::string& text);
    void edKfChange(const std::string& text);
    void edMmaxChange(const std::string& text);
    void cbRastClick(bool checked);
    void edRastCountChange(const std::string& text);

  private:
    struct Refusal;
    bool BeamReady();
    std::optional<Refusal> FirstRefusal(SizeFields sizes) const;
    TDesignInput InputFromSettings(SizeFields sizes) const;
    void ComposeCalculationReport(const TDesignInput& input);
    void MarkModified();
    void RefreshMass();
    void Refresh();

    WindowModels& models_;
    DesignDialogView* view_ = nullptr;
    std::array<bool, PanelCount> expanded_{};
};

} // namespace balka
