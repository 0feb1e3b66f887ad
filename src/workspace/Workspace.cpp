#include "workspace/Workspace.h"

#include <utility>

namespace balka {

Workspace::Workspace(MainView& view, MessageSink& messages, std::filesystem::path programFolder)
    : WindowModels(view, messages, std::move(programFolder)) {}

void Workspace::LoadReferenceData() {
    Material.LoadMaterials();
    Catalogue.LoadCatalogue();
    Design.FillLists();
}

RecalcInputs Workspace::CollectInputs() const {
    return RecalcInputs{
        Geometry.Grid,
        Loads.Grid,
        Holes.Grid,
        Geometry.AngleText,
        Geometry.LeftSupportIndex,
        Geometry.RightSupportIndex,
        SectionTexts{Design.Settings.WidthCount, Design.Settings.Width, Design.Settings.Height}};
}

RecalcOutcome Workspace::Recalculate() {
    const RecalcOutcome outcome = balka::Recalculate(Beam, CollectInputs(), View);
    // A stopped recalculation leaves the dialog as it was, like the rest of the screen.
    if (outcome == RecalcOutcome::Finished) {
        Design.Collapse();
    }
    return outcome;
}

RecalcOutcome Workspace::NewProject() {
    Beam.FilePath.clear();
    Beam.FileName.clear();
    Geometry.ClearSpans();
    Loads.ClearLoads();
    Holes.ClearHoles();
    Beam.TotalSlopeLength = 0;
    View.SetCaption(ProgramCaption(Beam, false));
    return Recalculate();
}

std::filesystem::path Workspace::ReportFolder() const {
    return ProgramFolder / "temp";
}

} // namespace balka
