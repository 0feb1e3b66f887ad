// The model of the "Реакции опор" window: one row per support that carries load, left to right,
// with its position (horizontal mm from the beam's left end), its reactions from the design,
// normative and long-term normative loads (kg, upward positive) and, at a fixed end, the fixing
// moment from the design loads (kg*m, signed as the moment diagram). The workspace brings it up
// to date after every recalculation; the window only shows it and copies it as text.
#pragma once

#include "model/Beam.h"
#include "model/EditorView.h"
#include "model/TextTable.h"
#include "statics/SupportReactions.h"

#include <string>

namespace balka {

class ReactionsDialog {
  public:
    static constexpr const char* Caption = "Реакции опор";

    ReactionsDialog();

    // The view that shows this model; nullptr when none is attached.
    void AttachView(EditorView* view) { view_ = view; }

    // The reactions the table shows.
    TSupportReactions Result;
    // Header and one row per support; one blank row when there are none.
    TextTable Grid;
    int SupportCount = 0;
    // What the numbers are, for the line under the table.
    std::string Note;
    // Why there are no reactions, or that the design reactions do not add up to the loads;
    // empty when all is well.
    std::string Warning;

    // After a recalculation: the reactions of the beam as it now is.
    void Update(const TBeam& beam);
    // Before a recalculation, so that one a cell ends shows no reactions of the previous beam.
    void Clear();
    // The caption, the table and the lines under it, cells separated by tabs, lines by '\n'.
    std::string CopyText() const;

  private:
    void Refresh();

    EditorView* view_ = nullptr;
};

} // namespace balka
