// The one owner of the project state for the whole run: the window models with the beam they
// share, and the recalculation that joins them. Created by main or by a test and passed by
// reference.
#pragma once

#include "editors/WindowModels.h"
#include "statics/Recalculate.h"
#include "workspace/ProgramFolders.h"
#include "workspace/ProjectData.h"
#include "workspace/UndoHistory.h"

#include <filesystem>
#include <functional>

namespace balka {

class Workspace final : public WindowModels {
  public:
    // The reference files are read from and written to folders.ReferenceFiles, the report into
    // folders.Reports.
    Workspace(MainView& view, MessageSink& messages, ProgramFolders folders = {});

    // Where the program's files lie, as decided at start.
    const ProgramFolders Folders;

    // At start-up: reads material.txt and sortament.txt and fills the design dialog's lists.
    void LoadReferenceData();
    RecalcOutcome Recalculate() override;
    RecalcInputs CollectInputs() const;
    // Folders.Reports, created again when it has gone (a cache folder may be emptied while the
    // program runs); a folder that cannot be created is reported by the write into it.
    std::filesystem::path ReportFolder() const override;
    // "Новый проект": no file, empty tables; the angle, supports and design settings stay.
    RecalcOutcome NewProject();

    // Every change of the project ends in a recalculation or in ProjectChanged: there the
    // project is compared with the one before, and a change becomes one undo step under its
    // name (one cut short by an error too); the caption's "*" follows.
    void ProjectChanged() override;
    // Put the project before (after) the last step into the editors and recalculate.
    void Undo();
    void Redo();
    // True when the project differs from the one last opened, saved or started anew.
    bool IsModified() const;
    // The project as it stands is the saved one (after a save).
    void MarkSaved();
    // A fresh history for a project just opened or started anew.
    void StartHistory();

    UndoHistory History;
    // Called whenever the history or the modified state may have changed: the view renames its
    // "Отменить"/"Повторить" commands.
    std::function<void()> HistoryChanged;

  private:
    void PutBack(const ProjectData& data);
    void ShowModified();

    ProjectData saved_;   // as last opened, saved or started anew
    ProjectData current_; // as the last recorded step left it
    bool restoring_ = false;
};

} // namespace balka
