// Window models' messages as message boxes with a single OK button, over the given window.
#pragma once

#include "model/MessageSink.h"

#include <QWidget>

namespace balka {

class QtMessageSink : public MessageSink {
  public:
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text) override;

  private:
    QWidget* parent_;
};

} // namespace balka
