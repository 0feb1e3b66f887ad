#include "ui/EscapeCloses.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace balka {

void CloseOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::hide);
}

} // namespace balka
