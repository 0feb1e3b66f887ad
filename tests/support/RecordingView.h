// A MainView that records what the recalculation shows, for tests without a window.
#pragma once

#include "model/MainView.h"

#include <array>
#include <string>
#include <vector>

namespace balka {

class RecordingView : public MainView {
  public:
    std::string Caption = "Драволит-Балка";
    std::array<std::string, 4> Status = {"Угол - 0°", "Длина - 0 м", "Масса - 0 кг",
                                         "Статус - формирование схемы"};
    // Every call in order: "scheme view", "clear", "draw scheme", "draw diagrams",
    // "cannot carry".
    std::vector<std::string> Calls;

    void SetCaption(const std::string& caption) override { Caption = caption; }
    void SetStatusText(StatusPanel panel, const std::string& text) override {
        Status[static_cast<size_t>(panel)] = text;
    }
    void ShowSchemeView() override { Calls.push_back("scheme view"); }
    void ClearDrawing() override { Calls.push_back("clear"); }
    void DrawScheme(TBeam&) override { Calls.push_back("draw scheme"); }
    void DrawDiagrams(const TBeam&) override { Calls.push_back("draw diagrams"); }
    void DrawCannotCarryNotice() override { Calls.push_back("cannot carry"); }
};

} // namespace balka
