// The "Регистрация" commands of the main window and the silent refresh at start: each writes or
// removes the .lvl association files, lets the desktop rebuild its caches, and reports to the
// message sink either its one success message or why it failed (then nothing else is shown).
#pragma once

#include "model/MessageSink.h"
#include "project/FileAssociation.h"
#include "project/ToolRunner.h"

#include <filesystem>
#include <optional>

namespace balka {

struct TFileTypeSetup {
    // The user's data folder; nothing when the environment names none.
    std::optional<std::filesystem::path> DataHome;
    TFileTypeTarget Target;
};

class FileTypeCommands {
  public:
    FileTypeCommands(TFileTypeSetup setup, MessageSink& messages, ToolRunner& tools);

    // "Зарегистрировать".
    void RegisterCommand();
    // "Отменить регистрацию"; with nothing registered it reports the same success.
    void UnregisterCommand();
    // At start: an existing registration is written again so that it follows the program to
    // where it now lies; nothing is shown unless that fails.
    void RefreshAtStart();

    bool IsRegistered() const;

  private:
    const std::filesystem::path& RequireDataHome() const;
    void UpdateDesktopDatabases();

    TFileTypeSetup setup_;
    MessageSink& messages_;
    ToolRunner& tools_;
};

} // namespace balka
