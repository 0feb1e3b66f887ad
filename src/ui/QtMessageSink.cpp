#include "ui/QtMessageSink.h"

#include <QApplication>
#include <QPointer>

namespace balka {

void QtMessageSink::ShowMessage(const std::string& text) {
    Show(QMessageBox::Warning, text);
}

void QtMessageSink::ShowInformation(const std::string& text) {
    Show(QMessageBox::Information, text);
}

void QtMessageSink::Show(QMessageBox::Icon icon, const std::string& text) {
    QWidget* active = QApplication::activeWindow();
    QPointer<QWidget> owner = active != nullptr ? active : parent_;
    QMessageBox box(icon, QStringLiteral("Драволит-Балка"), QString::fromStdString(text),
                    QMessageBox::Ok, owner);
    box.exec();
    if (owner != nullptr && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
}

} // namespace balka
