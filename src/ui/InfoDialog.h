// The frame shared by the information windows: a fixed-size non-modal window with only the close
// box, created once and hidden rather than destroyed when closed. It is centred over its parent
// window when first shown and comes back where the user left it.
#pragma once

#include <QDialog>

namespace balka {

class InfoDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the window without blocking the others; an already visible one is brought forward.
    void ShowDialog();

  protected:
    InfoDialog(const QString& caption, QSize clientSize, QWidget* parent);

  private:
    bool placed_ = false;
};

} // namespace balka
