#include "workspace/Workspace.h"

#include "workspace/ProjectChange.h"
#include "workspace/ProjectSnapshot.h"

#include <system_error>
#include <utility>

namespace balka {

Workspace::Workspace(MainView& view, MessageSink& messages, ProgramFolders folders)
    : WindowModels(view, messages, folders.ReferenceFiles), Folders(std::move(folders)),
      saved_(CollectProject(*this)), current_(saved_) {}

void Workspace::LoadReferenceData() {
    Material.LoadMaterials();
    Catalogue.LoadCatalogue();
    Design.FillLists();
    // The lists chose the first material and size: that is where the new project starts.
    StartHistory();
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
    // However the run ends, the results the dialog shows belong to an earlier beam; a
    // recalculation that a cell ends must not leave the previous beam's reactions on show.
    Reactions.Clear();
    try {
        LastRecalculation = balka::Recalculate(Beam, CollectInputs(), View);
    } catch (...) {
        LastRecalculation = RecalcOutcome::StoppedOnInput;
        Design.Collapse();
        ProjectChanged();
        throw;
    }
    Design.Collapse();
    Reactions.Update(Beam);
    ProjectChanged();
    return LastRecalculation;
}

RecalcOutcome Workspace::NewProject() {
    Beam.FilePath.clear();
    Beam.FileName.clear();
    Geometry.ClearSpans();
    Loads.ClearLoads();
    Holes.ClearHoles();
    Beam.TotalSlopeLength = 0;
    View.SetCaption(ProgramCaption(Beam, false));
    const RecalcOutcome outcome = Recalculate();
    StartHistory();
    return outcome;
}

void Workspace::ProjectChanged() {
    if (!restoring_) {
        ProjectData now = CollectProject(*this);
        if (!SameProject(current_, now)) {
            ProjectChange change = DescribeChange(current_, now);
            History.Record(
                UndoStep{std::move(change.Action), std::move(change.MergeKey), current_, now});
            current_ = std::move(now);
        }
    }
    ShowModified();
}

void Workspace::Undo() {
    if (History.CanUndo()) {
        PutBack(History.Undo());
    }
}

void Workspace::Redo() {
    if (History.CanRedo()) {
        PutBack(History.Redo());
    }
}

// The history's project goes back into the editors without being recorded again.
void Workspace::PutBack(const ProjectData& data) {
    restoring_ = true;
    const auto finish = [this] {
        restoring_ = false;
        current_ = CollectProject(*this);
        ShowModified();
    };
    try {
        ApplyProject(*this, data);
        Recalculate();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

bool Workspace::IsModified() const {
    return !SameProject(CollectProject(*this), saved_);
}

void Workspace::MarkSaved() {
    saved_ = CollectProject(*this);
    ShowModified();
}

void Workspace::StartHistory() {
    History.Clear();
    current_ = CollectProject(*this);
    MarkSaved();
}

void Workspace::ShowModified() {
    View.SetCaption(ProgramCaption(Beam, IsModified()));
    if (HistoryChanged) {
        HistoryChanged();
    }
}

std::filesystem::path Workspace::ReportFolder() const {
    std::error_code ignored;
    std::filesystem::create_directories(Folders.Reports, ignored);
    return Folders.Reports;
}

} // namespace balka
