#include "ui/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

namespace balka {

void MessageBoxSink::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace balka
