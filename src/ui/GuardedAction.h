// Runs a window model's action from a Qt event: a table cell that does not convert ends the
// action with the conversion's own text in a message box, instead of leaving the event loop.
#pragma once

#include "model/MessageSink.h"

#include <functional>

namespace balka {

void RunGuarded(MessageSink& messages, const std::function<void()>& action);

} // namespace balka
