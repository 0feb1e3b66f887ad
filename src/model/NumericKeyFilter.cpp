#include "model/NumericKeyFilter.h"

#include "model/Numbers.h"

namespace balka {

bool FilterNumericKey(NumericBox& box, char32_t key, MinusSign minus, NumberKind kind) {
    if ((key >= U'0' && key <= U'9') || key == KeyBackspace || key == KeyEnter) {
        return true;
    }
    if (key == U'-') {
        return minus == MinusSign::Allowed && box.Text.find('-') == std::string::npos;
    }
    if ((key == U',' || key == U'.') && kind == NumberKind::Real &&
        box.Text.find(DecimalSeparator()) == std::string::npos) {
        const size_t caret = box.Caret > box.Text.size() ? box.Text.size() : box.Caret;
        const std::string inserted =
            caret == 0 ? std::string("0") + DecimalSeparator() : std::string(1, DecimalSeparator());
        box.Text.insert(caret, inserted);
        box.Caret = caret + inserted.size();
    }
    return false;
}

} // namespace balka
