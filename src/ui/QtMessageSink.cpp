#include "ui/QtMessageSink.h"

#include <QMessageBox>

namespace balka {

void QtMessageSink::ShowMessage(const std::string& text) {
    QMessageBox::information(parent_, QStringLiteral("Драволит-Балка"),
                             QString::fromStdString(text));
}

} // namespace balka
