// What the desktop commands need from Qt: the running program's file, the file icon
// drawn to PNG, and the desktop's default viewer for the help file.
#pragma once

#include "model/MessageSink.h"
#include "project/FileTypeCommands.h"
#include "workspace/ProgramFolders.h"

#include <string>

namespace balka {

// The .lvl icon ("LVL") as PNG bytes.
std::string FileIconPng();
// The user's data folder from this process's environment and the running program with its icon.
TFileTypeSetup CurrentFileTypeSetup();
// "Справка": the installation's help file in the desktop's default viewer.
void ShowHelp(const ProgramFolders& folders, MessageSink& messages);

} // namespace balka
