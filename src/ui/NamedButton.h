// A push button added to a window's layout under its control name, so that tests and the
// window's own code find it as the window model names it ("bAdd", "bOK", ...).
#pragma once

#include <QBoxLayout>
#include <QPushButton>

namespace balka {

QPushButton* AddNamedButton(QWidget* owner, QBoxLayout* layout, const char* name,
                            const char* caption);

} // namespace balka
