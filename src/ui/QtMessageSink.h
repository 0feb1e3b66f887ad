// Window models' messages as message boxes with a single OK button. A box belongs to the window
// the user is working in (an editor, a dialog), else to the given one, and that window is in
// front again after OK, so the focus its model then asks for lands where the user sees it.
#pragma once

#include "model/MessageSink.h"

#include <QMessageBox>
#include <QWidget>

namespace balka {

class QtMessageSink : public MessageSink {
  public:
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text) override;
    void ShowInformation(const std::string& text) override;

  private:
    void Show(QMessageBox::Icon icon, const std::string& text);

    QWidget* parent_;
};

} // namespace balka
