#include "ui/GuardedAction.h"

#include "model/ConversionError.h"

namespace balka {

void RunGuarded(MessageSink& messages, const std::function<void()>& action) {
    try {
        action();
    } catch (const ConversionError& error) {
        messages.ShowMessage(error.what());
    }
}

} // namespace balka
