// The design dialog's rules. The eight field checks run in a fixed order and stop at the first
// failure; whole numbers are read for the sizes, the element count, the temperature and the
// restrained points, decimal numbers with the current separator for the stability values.
#include "editors/DesignDialog.h"

#include "design/DesignCalculation.h"
#include "design/SectionSelection.h"
#include "editors/WindowModels.h"
#include "graphics/DrawingStyle.h"
#include "graphics/ReportPicture.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/Ranges.h"
#include "report/ComposeReport.h"
#include "statics/Recalculate.h"

#include <algorithm>

namespace balka {

namespace {

const char* const kNotReady = "Сформируйте расчетную схему с нагрузками.";
const char* const kInputError =
    "Расчетная схема не сформирована: в исходных данных есть ошибка. Исправьте ее в окнах "
    "''Геометрия'', ''Нагрузки'' или ''Отверстия''.";
const char* const kCannotCarry =
    "Балка с такими концевыми опорами не может нести нагрузку. Измените опоры балки.";
const char* const kOptionalTail =
    " Этот параметр не является обязательным, поле можно оставить пустым.";

constexpr int32_t kSelectionColumnWidth = 30;
constexpr int32_t kSelectionPanelExtra = 48;
constexpr int32_t kSelectionDialogExtra = 338;
constexpr int32_t kDeflectionDivisors[] = {120, 150, 200, 250, 300, 350, 400, 500, 600};

// The dialog's own defaults of the list choices.
constexpr int32_t kDefaultClassResp = 1;
constexpr int32_t kDefaultClassExp = 0;
constexpr int32_t kDefaultDeflection = 2;

// The panel a field stands in; the main panel is always open.
enum class FieldPanel { Main, Temperature, Stability };

bool IndexIn(int32_t index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count;
}

bool AboveZero(float value) {
    return CompareWithTolerance(0.0f, value) == 1;
}

// A required whole number above zero (the sizes, the element count, the restrained points)
// with its three messages.
struct WholeField {
    const char* Control;
    FieldPanel Panel;
    const char* Empty;
    std::string NotNumber;
    const char* NotAboveZero;
    Quantity Range;
};

} // namespace

struct DesignDialog::Refusal {
    FieldPanel Panel = FieldPanel::Main;
    const char* Control = "";
    std::string Message;
};

DesignDialog::DesignDialog(WindowModels& models) : models_(models) {
    models_.Catalogue.OnChanged = [this](CatalogueEditor::Change change) {
        if (change == CatalogueEditor::Change::SizeLists) {
            RefreshSizeLists();
        }
        RefreshIndicator();
    };
}

const std::vector<std::string>& DesignDialog::ClassItems() {
    static const std::vector<std::string> items{"1", "2", "3"};
    return items;
}

const std::vector<std::string>& DesignDialog::DeflectionItems() {
    static const std::vector<std::string> items{"L/120", "L/150", "L/200", "L/250", "L/300",
                                                "L/350", "L/400", "L/500", "L/600"};
    return items;
}

void DesignDialog::FillLists() {
    Materials.clear();
    const MaterialEditor& material = models_.Material;
    if (!material.Name(0).empty()) {
        for (int i = 0; i < MaterialEditor::MaterialCount; ++i) {
            Materials.push_back(material.Name(i));
        }
    }
    // The chosen grade stays chosen while the list still has it.
    if (!IndexIn(Settings.TypeIndex, Materials.size())) {
        Settings.TypeIndex = Materials.empty() ? -1 : 0;
    }
    RefreshSizeLists();
    RefreshIndicator();
}

void DesignDialog::RefreshSizeLists() {
    Widths = models_.Catalogue.WidthTexts();
    Heights = models_.Catalogue.HeightTexts();
    // The chosen size stays chosen while the catalogue still lists it; else its first size.
    const auto keep = [](const std::vector<std::string>& items, std::string& chosen) {
        if (std::find(items.begin(), items.end(), chosen) == items.end()) {
            chosen = items.empty() ? std::string() : items.front();
        }
    };
    keep(Widths, Settings.Width);
    keep(Heights, Settings.Height);
    // The mass shown must follow the size the dialog now holds.
    RefreshMass();
    Refresh();
}

void DesignDialog::RefreshIndicator() {
    SizeInCatalogue = models_.Catalogue.IsAvailable(Settings.Width, Settings.Height);
    Refresh();
}

void DesignDialog::SetSettings(const DesignSettings& settings) {
    Settings = settings;
    if (!IndexIn(Settings.TypeIndex, Materials.size())) {
        Settings.TypeIndex = Materials.empty() ? -1 : 0;
    }
    if (!IndexIn(Settings.ClassRespIndex, ClassItems().size())) {
        Settings.ClassRespIndex = kDefaultClassResp;
    }
    if (!IndexIn(Settings.ClassExpIndex, ClassItems().size())) {
        Settings.ClassExpIndex = kDefaultClassExp;
    }
    if (!IndexIn(Settings.DeflectionIndex, DeflectionItems().size())) {
        Settings.DeflectionIndex = kDefaultDeflection;
    }
    RefreshIndicator();
}

std::optional<DesignDialog::Refusal> DesignDialog::FirstRefusal(SizeFields sizes) const {
    const auto whole = [](const WholeField& field,
                          const std::string& text) -> std::optional<Refusal> {
        if (text.empty()) {
            return Refusal{field.Panel, field.Control, field.Empty};
        }
        const auto value = TryTextToInt(text);
        if (!value) {
            return Refusal{field.Panel, field.Control, field.NotNumber};
        }
        if (*value <= 0) {
            return Refusal{field.Panel, field.Control, field.NotAboveZero};
        }
        if (IsAboveHighest(field.Range, static_cast<float>(*value))) {
            return Refusal{field.Panel, field.Control, TooLargeMessage(field.Range)};
        }
        return std::nullopt;
    };
    const auto optionalReal = [](const char* control, const char* label, const char* belowLimit,
                                 Quantity range,
                                 const std::string& text) -> std::optional<Refusal> {
        if (text.empty()) {
            return std::nullopt;
        }
        const auto value = TryTextToFloat(text);
        if (!value) {
            return Refusal{FieldPanel::Stability, control,
                           std::string("Значение в поле ") + label + "  не является числом." +
                               kOptionalTail};
        }
        if (!AboveZero(*value)) {
            return Refusal{FieldPanel::Stability, control, std::string(belowLimit) + kOptionalTail};
        }
        if (IsAboveHighest(range, *value)) {
            return Refusal{FieldPanel::Stability, control, TooLargeMessage(range) + kOptionalTail};
        }
        return std::nullopt;
    };

    if (sizes == SizeFields::Read) {
        if (auto refusal =
                whole({"cbWidth", FieldPanel::Main, "Укажите значение ширины сечения.",
                       "Значение в поле ''Ширина, b, мм'' не является числом.",
                       "Значение ширины должно быть больше нуля.", Quantity::SectionWidth},
                      Settings.Width)) {
            return refusal;
        }
        if (auto refusal =
                whole({"cbHeight", FieldPanel::Main, "Укажите значение высоты сечения.",
                       "Значение в поле ''Высота, h, мм'' не является числом.",
                       "Значение высоты должно быть больше нуля.", Quantity::SectionHeight},
                      Settings.Height)) {
            return refusal;
        }
    }
    if (auto refusal =
            whole({"edWidthCount", FieldPanel::Main, "Укажите количество досок в сечении.",
                   "Значение в поле количества досок в сечении не является числом.",
                   "Значение количества досок в сечении должно быть больше нуля.",
                   Quantity::ElementCount},
                  Settings.WidthCount)) {
        return refusal;
    }
    if (Settings.TemperatureMode == TTemperatureMode::From35To50) {
        if (Settings.Temp.empty()) {
            return Refusal{FieldPanel::Temperature, "edTemp",
                           "Укажите значение температуры эксплуатации."};
        }
        const auto value = TryTextToInt(Settings.Temp);
        if (!value) {
            return Refusal{FieldPanel::Temperature, "edTemp",
                           "Значение в поле температуры эксплуатации не является числом."};
        }
        if (*value < 35 || *value > 50) {
            return Refusal{FieldPanel::Temperature, "edTemp",
                           "Значение температуры должно быть в пределах 35-50 °С."};
        }
    }
    if (auto refusal = optionalReal(
            "edLP", "Расстояние между точками раскрепления сжатой кромки, lp, м",
            "Значение длины участка lp (расстояние между точками раскрепления сжатой кромки) "
            "должно быть больше нуля.",
            Quantity::Lp, Settings.LP)) {
        return refusal;
    }
    if (auto refusal =
            optionalReal("edMmax", "Максимальный момент на участке lp, кг*м",
                         "Значение максимального момента на участке lp должно быть больше нуля.",
                         Quantity::MomentLp, Settings.Mmax)) {
        return refusal;
    }
    if (auto refusal =
            optionalReal("edKf", "Коэффициент формы эпюры на участке lp, kф",
                         "Значение коэффициента эпюры на участке lp должно быть больше нуля.",
                         Quantity::Kf, Settings.Kf)) {
        return refusal;
    }
    if (Settings.Rast) {
        if (auto refusal = whole(
                {"edRastCount", FieldPanel::Stability,
                 "Укажите количество точек подкрепления растянутой кромки.",
                 "Значение в поле Число подкрепленных точек растянутой кромки на участке lp не "
                 "является числом.",
                 "Значение количества точек подкрепления растянутой кромки должно быть больше "
                 "нуля.",
                 Quantity::RestraintCount},
                Settings.RastCount)) {
            return refusal;
        }
    }
    // A material table without names offers no type to design with.
    if (!IndexIn(Settings.TypeIndex, Materials.size())) {
        return Refusal{FieldPanel::Main, "cbType", "Выберите тип материала."};
    }
    return std::nullopt;
}

TDesignInput DesignDialog::InputFromSettings(SizeFields sizes) const {
    TDesignInput input;
    input.MaterialIndex = Settings.TypeIndex;
    input.MaterialName = Materials[static_cast<size_t>(Settings.TypeIndex)];
    const auto values = models_.Material.Values(Settings.TypeIndex);
    input.Material = {values.BendingStrength, values.ShearStrength, values.Modulus};
    if (sizes == SizeFields::Read) {
        input.Width = TextToInt(Settings.Width);
        input.Height = TextToInt(Settings.Height);
    }
    input.Count = TextToInt(Settings.WidthCount);
    input.ServiceClass = Settings.ClassExpIndex + 1;
    input.ResponsibilityClass = Settings.ClassRespIndex + 1;
    input.TemperatureMode = Settings.TemperatureMode;
    if (Settings.TemperatureMode == TTemperatureMode::From35To50) {
        input.Temperature = TextToInt(Settings.Temp);
    }
    input.Impregnated = Settings.Antipiren;
    input.DeflectionDivisor =
        kDeflectionDivisors[IndexIn(Settings.DeflectionIndex, DeflectionItems().size())
                                ? Settings.DeflectionIndex
                                : kDefaultDeflection];
    input.LongTermDeflection = Settings.Loads == DeflectionLoads::LongTerm;
    if (!Settings.LP.empty()) {
        input.Lp = TextToFloat(Settings.LP);
    }
    if (!Settings.Mmax.empty()) {
        input.MomentLp = TextToFloat(Settings.Mmax);
    }
    if (!Settings.Kf.empty()) {
        input.Kf = TextToFloat(Settings.Kf);
    }
    if (Settings.Rast) {
        input.RestraintCount = TextToInt(Settings.RastCount);
    }
    return input;
}

std::optional<TDesignInput> DesignDialog::ReadInput(SizeFields sizes) {
    if (const auto refusal = FirstRefusal(sizes)) {
        if (refusal->Panel == FieldPanel::Temperature) {
            ExpandPanel(Panel::Temperature);
        } else if (refusal->Panel == FieldPanel::Stability) {
            ExpandPanel(Panel::Stability);
        }
        if (view_ != nullptr) {
            view_->FocusField(refusal->Control);
        }
        models_.Messages.ShowMessage(refusal->Message);
        return std::nullopt;
    }
    return InputFromSettings(sizes);
}

bool DesignDialog::BeamReady() {
    const TBeam& beam = models_.Beam;
    if (models_.LastRecalculation == RecalcOutcome::StoppedOnInput) {
        models_.Messages.ShowMessage(kInputError);
        return false;
    }
    if (models_.LastRecalculation == RecalcOutcome::StoppedUnstable) {
        models_.Messages.ShowMessage(kCannotCarry);
        return false;
    }
    if (!beam.SchemeReady) {
        models_.Messages.ShowMessage(kNotReady);
        return false;
    }
    if (CannotCarryLoad(beam)) {
        models_.Messages.ShowMessage(kCannotCarry);
        return false;
    }
    return true;
}

void DesignDialog::OnCalculate() {
    if (!BeamReady()) {
        return;
    }
    const auto input = ReadInput(SizeFields::Read);
    if (!input) {
        return;
    }
    TBeam& beam = models_.Beam;
    const TDesignOutcome outcome = RunDesignCalculation(beam, models_.BeamCalc, *input);
    if (outcome.Status == TDesignStatus::Refused) {
        models_.Messages.ShowMessage(outcome.Message);
        return;
    }
    ResultLines = outcome.Lines;
    ResultsColour = VerdictColour(models_.BeamCalc);
    try {
        ComposeCalculationReport(*input);
    } catch (const FileError& error) {
        models_.Messages.ShowMessage(error.what());
        return;
    }
    ShownPanel = ResultPanel::Results;
    DialogWidth = ResultsWidth;
    beam.Calculated = true;
    ShowStatus(beam, models_.View);
    Refresh();
}

void DesignDialog::ComposeCalculationReport(const TDesignInput& input) {
    TBeam& beam = models_.Beam;
    const std::filesystem::path picture = models_.ReportFolder() / ReportPictureFileName;
    if (MakeReportPicture) {
        // The report's own style: the screen's colours and scale are not touched.
        DrawingStyle style;
        const std::unique_ptr<Canvas> canvas =
            MakeReportPicture(ReportPictureWidth, ReportPictureHeight);
        WriteReportPicture(beam, style, *canvas, picture);
    }
    models_.BeamCalc.Report =
        ComposeReport(TReportInput{beam, models_.BeamCalc, input, models_.Loads.Grid});
}

void DesignDialog::OnSelect() {
    if (!BeamReady()) {
        return;
    }
    const auto input = ReadInput(SizeFields::Skipped);
    if (!input) {
        return;
    }
    TBeam& beam = models_.Beam;
    const SectionCatalogue& catalogue = models_.Catalogue.Catalogue();
    Chart = RunSelection({beam, models_.BeamCalc, *input, models_.Messages}, catalogue);
    const auto columns = static_cast<int32_t>(catalogue.Heights.size());
    SelectionPanelWidth =
        std::max(MinSelectionPanelWidth, kSelectionColumnWidth * columns + kSelectionPanelExtra);
    DialogWidth = SelectionPanelWidth + kSelectionDialogExtra;
    ShownPanel = ResultPanel::Selection;
    beam.Calculated = false;
    ShowStatus(beam, models_.View);
    Refresh();
}

void DesignDialog::OnReport() {
    if (ShowReport) {
        ShowReport();
    }
    OnClose();
}

void DesignDialog::OnClose() {
    if (view_ != nullptr) {
        view_->CloseDialog();
    }
}

void DesignDialog::Collapse() {
    DialogWidth = InputWidth;
    ShownPanel = ResultPanel::None;
    Refresh();
}

void DesignDialog::ExpandPanel(Panel panel) {
    expanded_.fill(false);
    expanded_[static_cast<size_t>(panel)] = true;
    if (view_ != nullptr) {
        view_->ScrollPanelsToTop();
    }
    Refresh();
}

void DesignDialog::CollapsePanel(Panel panel) {
    expanded_[static_cast<size_t>(panel)] = false;
    Refresh();
}

bool DesignDialog::TemperatureEnabled() const {
    return Settings.TemperatureMode == TTemperatureMode::From35To50;
}

bool DesignDialog::RastCountEnabled() const {
    return Settings.Rast;
}

void DesignDialog::cbTypeChange(int32_t index) {
    Settings.TypeIndex = index;
    MarkModified();
}

void DesignDialog::cbWidthChange(const std::string& text) {
    Settings.Width = text;
    RefreshIndicator();
    RefreshMass();
    MarkModified();
}

void DesignDialog::cbHeightChange(const std::string& text) {
    Settings.Height = text;
    RefreshIndicator();
    RefreshMass();
    MarkModified();
}

void DesignDialog::edWidthCountChange(const std::string& text) {
    Settings.WidthCount = text;
    RefreshMass();
    MarkModified();
}

void DesignDialog::cbClassRespChange(int32_t index) {
    Settings.ClassRespIndex = index;
    MarkModified();
}

void DesignDialog::cbClassExpChange(int32_t index) {
    Settings.ClassExpIndex = index;
    MarkModified();
}

void DesignDialog::cbAntipirenClick(bool checked) {
    Settings.Antipiren = checked;
    MarkModified();
}

void DesignDialog::TemperatureModeClick(TTemperatureMode mode) {
    Settings.TemperatureMode = mode;
    MarkModified();
    Refresh();
}

void DesignDialog::edTempChange(const std::string& text) {
    Settings.Temp = text;
    MarkModified();
}

void DesignDialog::cbDeflectionChange(int32_t index) {
    Settings.DeflectionIndex = index;
    MarkModified();
}

void DesignDialog::DeflectionLoadsClick(DeflectionLoads loads) {
    Settings.Loads = loads;
    MarkModified();
}

void DesignDialog::edLPChange(const std::string& text) {
    Settings.LP = text;
    MarkModified();
}

void DesignDialog::edKfChange(const std::string& text) {
    Settings.Kf = text;
    MarkModified();
}

void DesignDialog::edMmaxChange(const std::string& text) {
    Settings.Mmax = text;
    MarkModified();
}

void DesignDialog::cbRastClick(bool checked) {
    Settings.Rast = checked;
    MarkModified();
    Refresh();
}

void DesignDialog::edRastCountChange(const std::string& text) {
    Settings.RastCount = text;
    MarkModified();
}

void DesignDialog::MarkModified() {
    models_.ProjectChanged();
}

void DesignDialog::RefreshMass() {
    ShowMass(models_.Beam, SectionTexts{Settings.WidthCount, Settings.Width, Settings.Height},
             models_.View);
}

void DesignDialog::Refresh() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

} // namespace balka
