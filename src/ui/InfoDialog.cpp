#include "ui/InfoDialog.h"

namespace balka {

InfoDialog::InfoDialog(const QString& caption, QSize clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setModal(false);
}

void InfoDialog::ShowDialog() {
    // Once moved explicitly the window keeps its place (and the user's moves) across hiding.
    if (!placed_ && parentWidget() != nullptr) {
        const QPoint centre = parentWidget()->window()->frameGeometry().center();
        move(centre - QPoint(width() / 2, height() / 2));
    }
    placed_ = true;
    show();
    raise();
    activateWindow();
}

} // namespace balka
