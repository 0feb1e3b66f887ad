// Where window models send their refusals: one text per message box with a single OK button.
#pragma once

#include <string>

namespace balka {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

} // namespace balka
