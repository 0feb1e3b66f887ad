// A MainView that shows nothing: the command line and the benchmarks recalculate without a
// window.
#pragma once

#include "model/MainView.h"

namespace balka {

class SilentMainView : public MainView {
  public:
    void SetCaption(const std::string&) override {}
    void SetStatusText(StatusPanel, const std::string&) override {}
    void ShowSchemeView() override {}
    void ClearDrawing() override {}
    void DrawScheme(TBeam&) override {}
    void DrawDiagrams(const TBeam&) override {}
    void DrawCannotCarryNotice() override {}
};

} // namespace balka
