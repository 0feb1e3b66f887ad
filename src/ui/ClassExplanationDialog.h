// The two explanations behind the " ?" buttons of the design dialog: what the service classes
// and the responsibility classes mean. Each class is a bold heading followed by its indented
// lines; "Закрыть" hides the window.
#pragma once

#include "ui/InfoDialog.h"

namespace balka {

enum class ClassExplanation { ServiceClass, ResponsibilityClass };

class ClassExplanationDialog : public InfoDialog {
    Q_OBJECT
  public:
    explicit ClassExplanationDialog(ClassExplanation kind, QWidget* parent = nullptr);
};

} // namespace balka
