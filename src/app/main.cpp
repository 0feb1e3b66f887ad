// Program start: the desktop program.
#include "model/Numbers.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    balka::SetDecimalSeparator(balka::DetectDecimalSeparator());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Драволит-Балка"));
    balka::MainWindow window;
    window.show();
    return QApplication::exec();
}
