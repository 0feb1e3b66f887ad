#include "editors/WindowModels.h"

#include <utility>

namespace balka {

WindowModels::WindowModels(MainView& view, MessageSink& messages,
                           std::filesystem::path programFolder)
    : View(view), Messages(messages), ProgramFolder(std::move(programFolder)) {}

} // namespace balka
