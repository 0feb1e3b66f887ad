// The "Справка" command: the HTML help file in the resource folder beside the program, handed
// to the desktop's default viewer. A missing file, or a desktop that cannot show it, is told in
// a Russian message instead of nothing happening.
#pragma once

#include "model/MessageSink.h"

#include <filesystem>
#include <functional>

namespace balka {

// programFolder/resource/help.html.
std::filesystem::path HelpFilePath(const std::filesystem::path& programFolder);

// Hands the file to the desktop's viewer; false when the desktop could not do it.
using DocumentOpener = std::function<bool(const std::filesystem::path&)>;

void OpenHelp(const std::filesystem::path& programFolder, const DocumentOpener& open,
              MessageSink& messages);

} // namespace balka
