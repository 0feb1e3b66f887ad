// The "Справка" command: the HTML help file among the installation's own files (resource/ beside
// the program in its build tree, share/dravolit-balka installed), handed to the desktop's default
// viewer. A missing file, or a desktop that cannot show it, is told in a Russian message instead
// of nothing happening.
#pragma once

#include "model/MessageSink.h"
#include "workspace/ProgramFolders.h"

#include <filesystem>
#include <functional>

namespace balka {

// Installation/help.html.
std::filesystem::path HelpFilePath(const ProgramFolders& folders);

// Hands the file to the desktop's viewer; false when the desktop could not do it.
using DocumentOpener = std::function<bool(const std::filesystem::path&)>;

void OpenHelp(const ProgramFolders& folders, const DocumentOpener& open, MessageSink& messages);

} // namespace balka
