// The material file's number reading: a comma and a full stop are both taken as the decimal
// separator, whatever the current one is, because the file may come from either kind of locale.
#pragma once

#include <optional>
#include <string_view>

namespace balka {

// The first foreign separator (a comma when the current one is a full stop, otherwise a full
// stop) becomes the current one; the result is read with the current rules. Nothing when the
// text is no number.
std::optional<float> ParseDecimal(std::string_view text);

} // namespace balka
