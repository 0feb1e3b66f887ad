#include "model/Workspace.h"

namespace balka {

Workspace::Workspace(MainView& view, MessageSink& messages) : View(view), Messages(messages) {}

RecalcInputs Workspace::CollectInputs() const {
    return RecalcInputs{Geometry.Grid,       Loads.Grid,
                        Holes.Grid,          Geometry.AngleText,
                        Geometry.LeftSupportIndex, Geometry.RightSupportIndex,
                        SectionTexts{Design.WidthCount, Design.Width, Design.Height}};
}

RecalcOutcome Workspace::Recalculate() { return balka::Recalculate(Beam, CollectInputs(), View); }

} // namespace balka
