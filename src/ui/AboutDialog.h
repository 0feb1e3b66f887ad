// "О программе": the material's logo, the brand line, the program's name, version and purpose.
// Static text only.
#pragma once

#include "ui/InfoDialog.h"

class QLabel;

namespace balka {

class AboutDialog : public InfoDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* Logo() const { return logo_; }

  private:
    QLabel* logo_ = nullptr;
};

} // namespace balka
