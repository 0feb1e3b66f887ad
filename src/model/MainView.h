// What the recalculation needs of the main window: caption, status panels, the view switch
// and the drawing. The desktop window, the command line and the
// tests each implement it.
#pragma once

#include "model/Beam.h"

#include <string>

namespace balka {

// Status-bar panels, left to right.
enum StatusPanel { PanelAngle = 0, PanelLength = 1, PanelMass = 2, PanelStatus = 3 };

class MainView {
  public:
    virtual ~MainView() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetStatusText(StatusPanel panel, const std::string& text) = 0;
    // Hides the report, shows the drawing and disables preview, print and Word export.
    virtual void ShowSchemeView() = 0;
    // Fills the whole drawing with the window background (an empty picture).
    virtual void ClearDrawing() = 0;
    // The scheme may mark loads it has merged into one label (ToDraw).
    virtual void DrawScheme(TBeam& beam) = 0;
    virtual void DrawDiagrams(const TBeam& beam) = 0;
    // Writes, where the diagrams would stand, that the end supports cannot carry load.
    virtual void DrawCannotCarryNotice() = 0;
};

} // namespace balka
