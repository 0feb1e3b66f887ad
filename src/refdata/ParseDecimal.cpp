#include "refdata/ParseDecimal.h"

#include "model/Numbers.h"

#include <string>

namespace balka {

std::optional<float> ParseDecimal(std::string_view text) {
    const char current = DecimalSeparator();
    const char foreign = current == '.' ? ',' : '.';
    std::string normal(text);
    const size_t at = normal.find(foreign);
    if (at != std::string::npos) {
        normal[at] = current;
    }
    return TryTextToFloat(normal);
}

} // namespace balka
