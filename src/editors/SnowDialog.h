// The snow-load dialog's model ("Снеговая нагрузка"): a snow region and the width of the roof
// strip one beam carries become a temporary uniform load on the whole beam, q = s0 * B in kg per
// running metre (s0 in kg/m2, B in metres, single precision), added through the loads editor's
// panel so that it merges like any other load. The inputs are kept between uses.
#pragma once

#include "model/EditorView.h"
#include "model/NumericKeyFilter.h"

#include <array>
#include <string>

namespace balka {

class WindowModels;

enum class JanuaryTemperature { AtMostMinus5, AboveMinus5 };

// Whether the dialog closes after "Добавить": it stays open on a refusal.
enum class DialogAfterAdd { KeepOpen, Close };

class SnowDialog {
  public:
    static constexpr const char* Caption = "Снеговая нагрузка";
    static constexpr std::array<const char*, 8> RegionNames = {"I", "II", "III", "IV",
                                                               "V", "VI", "VII", "VIII"};
    // Normative snow load of each region, kg/m2.
    static constexpr std::array<float, 8> RegionLoads = {56, 84, 126, 168, 224, 280, 336, 392};

    explicit SnowDialog(WindowModels& models);

    // The view that shows this model; nullptr when none is attached.
    void AttachView(EditorView* view) { view_ = view; }

    // The chosen item of RegionNames.
    int RegionIndex = 0;
    // The text of leB, the width of the roof strip, metres.
    std::string WidthText;
    JanuaryTemperature Temperature = JanuaryTemperature::AtMostMinus5;
    // The text of lLoad.
    std::string LoadLabel = "Нормативная нагрузка - ...";

    void cbSnowChange(int index);
    void leBChange(const std::string& text);
    // Keys typed into leB; true when the view inserts the key itself.
    bool leBKeyPress(NumericBox& box, char32_t key);
    void ChooseTemperature(JanuaryTemperature temperature);
    // "Добавить": the load goes through the loads editor and the beam is recalculated.
    DialogAfterAdd bAddClick();

  private:
    void UpdateSnowLabel();
    void Refresh();

    WindowModels& models_;
    EditorView* view_ = nullptr;
};

} // namespace balka
