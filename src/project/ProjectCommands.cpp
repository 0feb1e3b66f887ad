// The project commands. The file is read whole before the editors are touched, so a file that
// cannot be read changes nothing; it is written through a sibling renamed over it, so a failed
// save leaves the old file and the project's name as they were.
#include "project/ProjectCommands.h"

#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "project/ProjectFile.h"
#include "workspace/ProjectSnapshot.h"
#include "workspace/Workspace.h"

#include <algorithm>

namespace balka {

namespace {

// A project just read: its history starts here, and it is the saved one.
void ShowOpened(Workspace& workspace) {
    workspace.Beam.FileName = FileNameOfPath(workspace.Beam.FilePath);
    workspace.StartHistory();
}

// One warning for everything a complete project has and the file lacked.
void WarnAboutGaps(Workspace& workspace, const std::vector<std::string>& missing) {
    if (missing.empty()) {
        return;
    }
    constexpr size_t kListed = 10;
    std::string items;
    for (size_t i = 0; i < missing.size() && i < kListed; ++i) {
        items += (i == 0 ? "" : "; ") + missing[i];
    }
    if (missing.size() > kListed) {
        items += " и еще " + std::to_string(missing.size() - kListed);
    }
    workspace.Messages.ShowMessage("В файле " + workspace.Beam.FileName +
                                   " не хватает данных полного проекта: " + items +
                                   ". Вместо них использованы значения по умолчанию.");
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

std::string FileNameOfPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

SaveResult SaveProject(Workspace& workspace) {
    if (workspace.Beam.FilePath.empty()) {
        return SaveResult::NameNeeded;
    }
    WriteProjectFile(workspace.Beam.FilePath, CollectProject(workspace));
    workspace.MarkSaved();
    return SaveResult::Saved;
}

void SaveProjectAs(Workspace& workspace, const std::string& path) {
    WriteProjectFile(path, CollectProject(workspace));
    workspace.Beam.FilePath = path;
    workspace.Beam.FileName = FileNameOfPath(path);
    workspace.MarkSaved();
}

std::string UnsavedQuestionText(const Workspace& workspace) {
    const std::string& name = workspace.Beam.FileName;
    return "Сохранить изменения в проекте «" + (name.empty() ? std::string("Без имени") : name) +
           "»?";
}

bool MayDropProject(Workspace& workspace, const UnsavedQuestion& question) {
    if (!workspace.IsModified()) {
        return true;
    }
    switch (question.Ask(UnsavedQuestionText(workspace))) {
    case UnsavedAnswer::DontSave:
        return true;
    case UnsavedAnswer::Cancel:
        return false;
    case UnsavedAnswer::Save:
        break;
    }
    if (SaveProject(workspace) == SaveResult::Saved) {
        return true;
    }
    const std::string path = question.AskPath();
    if (path.empty()) {
        return false;
    }
    SaveProjectAs(workspace, path);
    return true;
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
    const ProjectFileContents contents = ReadProjectFile(beam.FilePath);
    const ProjectData& data = contents.Data;

    ApplyProject(workspace, data);
    // A list without a chosen item keeps the beam's support; a file that names none must not
    // inherit the previous project's: it gets the list's first item, a hinge.
    if (data.LeftSupportIndex == kNoSupportChosen) {
        beam.LeftSupport = SupportHinge;
    }
    if (data.RightSupportIndex == kNoSupportChosen) {
        beam.RightSupport = SupportHinge;
    }

    RecalcOutcome outcome = RecalcOutcome::Finished;
    try {
        outcome = workspace.Recalculate();
    } catch (...) {
        // The editors hold the file's texts: the caption names the file, and the error goes on
        // to the application's handler.
        ShowOpened(workspace);
        WarnAboutGaps(workspace, contents.Missing);
        throw;
    }
    ShowOpened(workspace);
    WarnAboutGaps(workspace, contents.Missing);
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
