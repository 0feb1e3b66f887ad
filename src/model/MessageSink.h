// Where window models send their refusals and news: one text per message box with a single OK
// button.
#pragma once

#include <string>

namespace balka {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // A refusal or an error: the box carries the warning icon.
    virtual void ShowMessage(const std::string& text) = 0;
    // Something done, for the user's information; a sink that makes no difference shows it as
    // any other message.
    virtual void ShowInformation(const std::string& text) { ShowMessage(text); }
};

} // namespace balka
