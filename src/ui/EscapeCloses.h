// Esc closes an editor window, as it closes a dialog.
#pragma once

class QWidget;

namespace balka {

void CloseOnEscape(QWidget& window);

} // namespace balka
