#include "editors/WindowModels.h"

#include <utility>

namespace balka {

WindowModels::WindowModels(MainView& view, MessageSink& messages,
                           std::filesystem::path referenceFolder)
    : View(view), Messages(messages), ReferenceFolder(std::move(referenceFolder)) {}

} // namespace balka
