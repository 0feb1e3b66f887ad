// The desktop's MessageSink: every refusal of a window model becomes a modal message box with
// a single OK button, over the given window (or centred on the screen without one).
#pragma once

#include "model/MessageSink.h"

class QWidget;

namespace balka {

class MessageBoxSink : public MessageSink {
  public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void ShowMessage(const std::string& text) override;

  private:
    QWidget* parent_;
};

} // namespace balka
