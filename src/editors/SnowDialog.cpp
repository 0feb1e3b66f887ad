// The snow dialog's label and its load, handed to the loads editor's panel and merge rule.
#include "editors/SnowDialog.h"

#include "editors/WindowModels.h"
#include "model/Numbers.h"
#include "model/Ranges.h"

namespace balka {

SnowDialog::SnowDialog(WindowModels& models) : models_(models) {}

void SnowDialog::Refresh() {
    if (view_ != nullptr) {
        view_->Refresh();
    }
}

void SnowDialog::UpdateSnowLabel() {
    const auto width = TryTextToFloat(WidthText);
    if (!width || RegionIndex < 0 || RegionIndex >= static_cast<int>(RegionLoads.size())) {
        LoadLabel = "Нормативная нагрузка - ...";
    } else {
        const float load = RegionLoads[static_cast<size_t>(RegionIndex)] * *width;
        LoadLabel = "Нормативная нагрузка - " + FormatCompact(load) + " кг/м.п.";
    }
    Refresh();
}

void SnowDialog::cbSnowChange(int index) {
    RegionIndex = index;
    UpdateSnowLabel();
}

void SnowDialog::leBChange(const std::string& text) {
    WidthText = text;
    UpdateSnowLabel();
}

bool SnowDialog::leBKeyPress(NumericBox& box, char32_t key) {
    const bool passes = FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real);
    if (box.Text != WidthText) {
        leBChange(box.Text);
    }
    return passes;
}

void SnowDialog::ChooseTemperature(JanuaryTemperature temperature) {
    Temperature = temperature;
    Refresh();
}

DialogAfterAdd SnowDialog::bAddClick() {
    const auto refuse = [this](const std::string& message) {
        models_.Messages.ShowMessage(message);
        if (view_ != nullptr) {
            view_->FocusField("leB");
        }
        return DialogAfterAdd::KeepOpen;
    };
    if (WidthText.empty()) {
        return refuse("Укажите значение ширины грузовой площади.");
    }
    const auto width = TryTextToFloat(WidthText);
    if (!width) {
        return refuse("Значение в поле ''Ширина грузовой площади'' не является числом.");
    }
    if (CompareWithTolerance(0, *width) == -1) {
        return refuse("Значение ширины грузовой площади не может быть отрицательным.");
    }
    if (IsAboveHighest(Quantity::StripWidth, *width)) {
        return refuse(TooLargeMessage(Quantity::StripWidth));
    }
    if (RegionIndex < 0 || RegionIndex >= static_cast<int>(RegionLoads.size())) {
        return DialogAfterAdd::KeepOpen;
    }
    const float load = RegionLoads[static_cast<size_t>(RegionIndex)] * *width;

    LoadsEditor& loads = models_.Loads;
    loads.ChooseKind(LoadWholeBeam);
    loads.ChoosePermanence(Permanence::Temporary);
    const std::string separator(1, DecimalSeparator());
    loads.FText = FormatCompact(load);
    loads.YfText = "1" + separator + "4";
    loads.KdText = Temperature == JanuaryTemperature::AtMostMinus5 ? "0" + separator + "7" : "0";
    // The boxes keep the snow values even when the loads editor refuses them.
    if (!loads.AddLoad()) {
        return DialogAfterAdd::KeepOpen;
    }
    models_.Recalculate();
    return DialogAfterAdd::Close;
}

} // namespace balka
