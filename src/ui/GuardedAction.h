// The application's one error handler: a user action run from a Qt event that fails beyond its
// own checks (a table cell that does not convert, a file that cannot be read or written) ends
// with the error's own text in a message box, instead of leaving the event loop.
#pragma once

#include "model/MessageSink.h"

#include <functional>

namespace balka {

void RunGuarded(MessageSink& messages, const std::function<void()>& action);

} // namespace balka
