// The project commands. The file is read whole before the editors are touched, so a file that
// cannot be read changes nothing; it is written through a sibling renamed over it, so a failed
// save leaves the old file and the project's name as they were.
#include "project/ProjectCommands.h"

#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "workspace/Workspace.h"
#include "project/ProjectFile.h"

#include <algorithm>

namespace balka {

namespace {

// Rows 1..count of `from` into the freshly cleared `to`, cell by cell, as the editor's own
// rows are added; column 0 is left to the editor's renumbering.
void FillRows(const TextTable& from, int32_t count, TextTable& to) {
    for (int row = 1; row <= count; ++row) {
        if (row >= to.RowCount()) {
            to.AppendRow();
        }
        for (int column = 1; column < to.ColumnCount(); ++column) {
            to.SetCell(column, row, from.Cell(column, row));
        }
    }
}

void ShowSavedCaption(Workspace& workspace) {
    workspace.View.SetCaption(ProgramCaption(workspace.Beam, false));
}

// Loads `path` as the project's file; a file that cannot be read leaves the old name in place.
void LoadProjectFrom(Workspace& workspace, const std::string& path) {
    TBeam& beam = workspace.Beam;
    const std::string oldPath = beam.FilePath;
    const std::string oldName = beam.FileName;
    beam.FilePath = path;
    beam.FileName = FileNameOfPath(path);
    try {
        LoadProject(workspace);
    } catch (const FileError&) {
        beam.FilePath = oldPath;
        beam.FileName = oldName;
        throw;
    }
}

} // namespace

ProjectData CollectProject(const Workspace& workspace) {
    const TBeam& beam = workspace.Beam;
    ProjectData data;
    data.Spans = workspace.Geometry.Grid;
    data.SpanCount = beam.SpanCount;
    data.Angle = FormatCompact(beam.SlopeAngle);
    data.LeftSupportIndex = beam.LeftSupport - 1;
    data.RightSupportIndex = beam.RightSupport - 1;
    data.Loads = workspace.Loads.Grid;
    data.LoadCount = beam.LoadCount;
    data.Holes = workspace.Holes.Grid;
    data.HoleCount = beam.HoleCount;
    data.Design = workspace.Design.Settings;
    return data;
}

std::string FileNameOfPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

SaveResult SaveProject(Workspace& workspace) {
    if (workspace.Beam.FilePath.empty()) {
        return SaveResult::NameNeeded;
    }
    WriteProjectFile(workspace.Beam.FilePath, CollectProject(workspace));
    ShowSavedCaption(workspace);
    return SaveResult::Saved;
}

void SaveProjectAs(Workspace& workspace, const std::string& path) {
    WriteProjectFile(path, CollectProject(workspace));
    workspace.Beam.FilePath = path;
    workspace.Beam.FileName = FileNameOfPath(path);
    ShowSavedCaption(workspace);
}

OpenResult OpenProject(Workspace& workspace, const std::string& path) {
    const std::string name = FileNameOfPath(path);
    std::string folded = name;
    // Only Latin letters can make up ".lvl", so folding them is enough.
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (folded.find(".lvl") == std::string::npos) {
        workspace.Messages.ShowMessage("Ошибка! Файл " + name +
                                       " не является файлом расчета балок из ЛВЛ.");
        return OpenResult::Refused;
    }
    LoadProjectFrom(workspace, path);
    return OpenResult::Opened;
}

RecalcOutcome LoadProject(Workspace& workspace) {
    TBeam& beam = workspace.Beam;
    const ProjectData data = ReadProjectFile(beam.FilePath);

    workspace.Geometry.ClearSpans();
    workspace.Loads.ClearLoads();
    workspace.Holes.ClearHoles();

    beam.SpanCount = data.SpanCount;
    workspace.Geometry.AngleText = data.Angle;
    workspace.Geometry.LeftSupportIndex = data.LeftSupportIndex;
    workspace.Geometry.RightSupportIndex = data.RightSupportIndex;
    FillRows(data.Spans, data.SpanCount, workspace.Geometry.Grid);
    workspace.Geometry.RenumberSpans();
    workspace.Loads.RefreshSpanList();

    beam.LoadCount = data.LoadCount;
    FillRows(data.Loads, data.LoadCount, workspace.Loads.Grid);
    workspace.Loads.RenumberLoads();
    workspace.Holes.RefreshSpanList();

    beam.HoleCount = data.HoleCount;
    FillRows(data.Holes, data.HoleCount, workspace.Holes.Grid);
    workspace.Holes.RenumberHoles();

    workspace.Design.SetSettings(data.Design);

    RecalcOutcome outcome = RecalcOutcome::Finished;
    try {
        outcome = workspace.Recalculate();
    } catch (...) {
        // The editors hold the file's texts: the caption names the file, and the error goes on
        // to the application's handler.
        beam.FileName = FileNameOfPath(beam.FilePath);
        ShowSavedCaption(workspace);
        throw;
    }
    beam.FileName = FileNameOfPath(beam.FilePath);
    ShowSavedCaption(workspace);
    return outcome;
}

void OpenProjectAtStart(Workspace& workspace, const std::string& path) {
    try {
        LoadProjectFrom(workspace, path);
    } catch (const FileError& error) {
        workspace.Messages.ShowMessage(error.what());
    } catch (const ConversionError& error) {
        workspace.Messages.ShowMessage(error.what());
    }
}

} // namespace balka
