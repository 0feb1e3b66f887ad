// The key filter of every numeric input box: the view forwards each typed key here and inserts
// it itself only when the filter lets it pass; separators are inserted by the filter.
#pragma once

#include <cstddef>
#include <string>

namespace balka {

// The text of an input box and the caret (a byte offset; numeric texts are ASCII).
struct NumericBox {
    std::string Text;
    size_t Caret = 0;
};

enum class MinusSign { Refused, Allowed };
enum class NumberKind { Real, Integer };

constexpr char32_t KeyBackspace = 8;
constexpr char32_t KeyEnter = 13;

// Returns true when the key passes to the box unchanged (digits, Backspace, Enter, an allowed
// minus). A comma or a full stop becomes the decimal separator, inserted here at the caret when
// the text has none yet ("0" put before it at the very start); every other key is swallowed.
bool FilterNumericKey(NumericBox& box, char32_t key, MinusSign minus, NumberKind kind);

} // namespace balka
