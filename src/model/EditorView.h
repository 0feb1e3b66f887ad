// What a window model asks of its view besides messages: move the input focus to a field
// (named as the control is named, e.g. "leSpanLength") or make a table cell the current one.
// A model without a view (the command line, most tests) simply has none attached.
#pragma once

#include <string>

namespace balka {

class EditorView {
  public:
    virtual ~EditorView() = default;
    virtual void FocusField(const std::string& controlName) = 0;
    virtual void SelectCell(int column, int row) = 0;
    // The model changed its tables or texts; the view shows them anew.
    virtual void Refresh() = 0;
};

} // namespace balka
