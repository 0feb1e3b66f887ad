// The conversions between text and number under both decimal separators: the input as a text
// through every reader, and its first eight bytes as a double through the compact format. What
// the program writes it must read back: a finite number's compact text converts again.
#include "FuzzSupport.h"

#include "model/ConversionError.h"
#include "model/Numbers.h"
#include "refdata/ParseDecimal.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

namespace {

using namespace balka;

// Within it every metre count has its millimetres in an int32.
constexpr double kMaxMetres = 2.0e6;

void RequireReadsBack(double value) {
    if (!std::isfinite(value)) {
        (void)FormatCompact(value);
        return;
    }
    const std::string text = FormatCompact(value);
    fuzz::Require(TryTextToDouble(text).has_value(), "a compact number reads back");
}

void ConvertText(const std::string& text) {
    const std::optional<double> asDouble = TryTextToDouble(text);
    const std::optional<float> asFloat = TryTextToFloat(text);
    (void)TryTextToInt(text);
    (void)ParseDecimal(text);
    try {
        (void)TextToDouble(text);
        (void)TextToFloat(text);
        (void)TextToInt(text);
    } catch (const ConversionError&) {
    }
    if (asDouble) {
        RequireReadsBack(*asDouble);
        if (std::fabs(*asDouble) < kMaxMetres) {
            (void)MetresToMm(*asDouble);
        }
    }
    if (asFloat) {
        RequireReadsBack(*asFloat);
        if (std::fabs(*asFloat) < kMaxMetres) {
            (void)MetresToMm(*asFloat);
        }
        (void)CompareWithTolerance(*asFloat, 1.0f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Bytes(data, size);
    for (const char separator : {',', '.'}) {
        SetDecimalSeparator(separator);
        ConvertText(text);
        if (size >= sizeof(double)) {
            double value = 0;
            std::memcpy(&value, data, sizeof value);
            RequireReadsBack(value);
        }
    }
    return fuzz::kKeepInput;
}
