#include "ui/GuardedAction.h"

#include <exception>

namespace balka {

void RunGuarded(MessageSink& messages, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        messages.ShowMessage(error.what());
    }
}

} // namespace balka
