// A MessageSink that keeps every message box's text, in order.
#pragma once

#include "model/MessageSink.h"

#include <string>
#include <vector>

namespace balka {

class RecordingMessageSink : public MessageSink {
  public:
    std::vector<std::string> Messages;
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
};

} // namespace balka
