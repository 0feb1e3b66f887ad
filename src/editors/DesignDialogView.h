// What the design dialog's model asks of its window besides messages: the focus and a fresh
// look (EditorView), closing the window, and scrolling the panel group back to its top when a
// panel was expanded.
#pragma once

#include "model/EditorView.h"

namespace balka {

class DesignDialogView : public EditorView {
  public:
    // Hides the window; it lives on.
    virtual void CloseDialog() = 0;
    virtual void ScrollPanelsToTop() = 0;
};

} // namespace balka
