// The project commands on the workspace: save, save as, open, the load shared by opening and the
// program's start, and the open at start. The file dialogs are the view's business: it passes
// the chosen path. Paths are Linux paths; a project's FileName is the part after the last '/'.
//
// Errors: a refusal (a name that is not a project file's) is a message through
// Workspace::Messages. A failure (a file that cannot be read or written, FileError; a cell that
// does not convert, ConversionError) ends the command with its exception for the application's
// one error handler, which shows the exception's Russian text. A failed save or a failed read
// leaves FilePath, FileName, the caption and the editors as they were; a cell that does not
// convert leaves the editors holding the file's texts and the caption naming the file.
#pragma once

#include "statics/Recalculate.h"
#include "workspace/ProjectData.h"

#include <functional>
#include <string>

namespace balka {

class Workspace;

enum class SaveResult {
    Saved,
    // The project has no file yet: the view asks for a name and calls SaveProjectAs.
    NameNeeded,
};

enum class OpenResult {
    // The file was read into the editors and recalculated (the recalculation may have stopped
    // early because the supports cannot carry load).
    Opened,
    // The name is not a project file's; the message was shown and nothing changed.
    Refused,
};

// The answers to "Сохранить изменения в проекте «имя»?".
enum class UnsavedAnswer { Save, DontSave, Cancel };

// What the view does for the question about unsaved changes.
struct UnsavedQuestion {
    // Shows the question with Сохранить / Не сохранять / Отмена.
    std::function<UnsavedAnswer(const std::string& question)> Ask;
    // The "Сохранить как" dialog for a project without a file: the chosen path, or empty.
    std::function<std::string()> AskPath;
};

// Before the project is dropped (closing the program, "Новый проект", opening another): true
// when it may go, because nothing is unsaved, the user saved it or chose not to. Cancel, a
// cancelled save dialog and a save that throws keep it.
bool MayDropProject(Workspace& workspace, const UnsavedQuestion& question);

// The question's text for the project as it is named now.
std::string UnsavedQuestionText(const Workspace& workspace);

// The part of a path after its last '/'; the whole path when it has none.
std::string FileNameOfPath(const std::string& path);

// Writes the project under FilePath and drops the "*" from the caption; with no FilePath
// writes nothing and says a name is needed.
SaveResult SaveProject(Workspace& workspace);
// Writes the project to `path`, which then becomes the project's file.
void SaveProjectAs(Workspace& workspace, const std::string& path);

// The open command for the path the open dialog returned: refuses, with its message, a name
// whose small-letter form does not contain ".lvl"; otherwise loads the file.
OpenResult OpenProject(Workspace& workspace, const std::string& path);

// Reads the file at FilePath into the editors (through their own clear operations) and the
// design settings, recalculates and sets the caption to the file's name without "*". The
// caller sets FilePath first. A file that cannot be read, or is no project file, throws
// FileError before anything changes; a cell that does not convert or holds a value out of its
// range throws ConversionError after the caption is set. A file that lacks part of a complete
// project opens with one warning through Workspace::Messages that lists what was missing.
RecalcOutcome LoadProject(Workspace& workspace);

// The project named on the command line, opened once when the program starts, with no name
// check. Called outside any user action, so it has no error handler around it: a failure's text
// is shown through Workspace::Messages instead. A file that cannot be read leaves the new,
// unnamed project as it was.
void OpenProjectAtStart(Workspace& workspace, const std::string& path);

} // namespace balka
