#include "ui/NamedButton.h"

namespace balka {

QPushButton* AddNamedButton(QWidget* owner, QBoxLayout* layout, const char* name,
                            const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), owner);
    button->setObjectName(QString::fromUtf8(name));
    layout->addWidget(button);
    return button;
}

} // namespace balka
