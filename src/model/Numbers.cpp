// Number <-> text. Rounding to the shown digits is half away from zero on the exact binary
// value, and the forms switch to scientific notation where the compact format says.
#include "model/Numbers.h"

#include "model/ConversionError.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace balka {

namespace {

char currentSeparator = ',';

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal digits of a positive value: value = 0.d1d2d3... * 10^exponent, rounded half up to
// `count` digits (the digit string may lose trailing zeros later).
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

std::string ExactDigits(double value, int& exponent) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.60e", value);
    const std::string text(buffer);
    const auto ePos = text.find('e');
    std::string all;
    for (size_t i = 0; i < ePos; ++i) {
        if (IsDigit(text[i])) {
            all += text[i];
        }
    }
    exponent = std::atoi(text.c_str() + ePos + 1) + 1;
    return all;
}

// count must be between 1 and 60.
DecimalDigits RoundToDigits(double value, int count) {
    DecimalDigits result;
    const std::string all = ExactDigits(value, result.exponent);
    std::string kept = all.substr(0, static_cast<size_t>(count));
    if (all[static_cast<size_t>(count)] >= '5') {
        int i = count - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++result.exponent;
        } else {
            ++kept[static_cast<size_t>(i)];
        }
    }
    result.digits = kept;
    return result;
}

std::string StripTrailingZeros(std::string digits) {
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

std::string Scientific(const DecimalDigits& d) {
    const std::string digits = StripTrailingZeros(d.digits);
    std::string text(1, digits[0]);
    if (digits.size() > 1) {
        text += currentSeparator;
        text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(d.exponent - 1);
    return text;
}

std::string General(double magnitude, int precision) {
    const DecimalDigits d = RoundToDigits(magnitude, precision);
    if (d.exponent > precision || d.exponent < -4) {
        return Scientific(d);
    }
    const std::string digits = StripTrailingZeros(d.digits);
    if (d.exponent <= 0) {
        return std::string("0") + currentSeparator +
               std::string(static_cast<size_t>(-d.exponent), '0') + digits;
    }
    const auto intCount = static_cast<size_t>(d.exponent);
    if (digits.size() <= intCount) {
        return digits + std::string(intCount - digits.size(), '0');
    }
    return digits.substr(0, intCount) + currentSeparator + digits.substr(intCount);
}

// Fixed notation without decimals, 7 significant digits at most; wider values go scientific.
std::string FixedWhole(double magnitude) {
    constexpr int precision = 7;
    int integerDigits = 0;
    ExactDigits(magnitude, integerDigits);
    // Wider values go scientific before their digits are rounded: a double can have more
    // integer digits than the exact form holds.
    if (integerDigits > precision) {
        return General(magnitude, precision);
    }
    const DecimalDigits whole = RoundToDigits(magnitude, integerDigits);
    if (whole.exponent > precision) {
        return General(magnitude, precision);
    }
    std::string digits = whole.digits;
    digits.resize(static_cast<size_t>(whole.exponent), '0');
    return digits;
}

} // namespace

char DecimalSeparator() {
    return currentSeparator;
}

void SetDecimalSeparator(char separator) {
    currentSeparator = separator;
}

char DetectDecimalSeparator() {
    locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (numeric == static_cast<locale_t>(nullptr)) {
        return ',';
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, numeric);
    const char* name = std::getenv("LC_ALL");
    if (name == nullptr || *name == '\0') {
        name = std::getenv("LC_NUMERIC");
    }
    if (name == nullptr || *name == '\0') {
        name = std::getenv("LANG");
    }
    const std::string localeName = name ? name : "";
    char separator = (radix != nullptr && radix[0] != '\0') ? radix[0] : ',';
    if (localeName.empty() || localeName == "C" || localeName == "POSIX" ||
        localeName.rfind("C.", 0) == 0) {
        separator = ',';
    }
    freelocale(numeric);
    return separator == '.' ? '.' : ',';
}

std::optional<double> TryTextToDouble(std::string_view text) {
    text = Trim(text);
    std::string normal;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            normal += '-';
        }
        ++i;
    }
    size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        normal += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == currentSeparator) {
        normal += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            normal += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            normal += text[i++];
        }
        size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            normal += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // from_chars ignores the C library's locale, which the toolkit may have changed.
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> TryTextToFloat(std::string_view text) {
    const auto value = TryTextToDouble(text);
    if (!value || std::fabs(*value) > 3.4028234663852886e38) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

std::optional<int32_t> TryTextToInt(std::string_view text) {
    text = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i++] == '-';
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > 2147483647LL) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

double TextToDouble(std::string_view text) {
    const auto value = TryTextToDouble(text);
    if (!value) {
        throw ConversionError("значение \"" + std::string(text) + "\" не является числом.");
    }
    return *value;
}

float TextToFloat(std::string_view text) {
    const auto value = TryTextToFloat(text);
    if (!value) {
        throw ConversionError("значение \"" + std::string(text) + "\" не является числом.");
    }
    return *value;
}

int32_t TextToInt(std::string_view text) {
    const auto value = TryTextToInt(text);
    if (!value) {
        throw ConversionError("значение \"" + std::string(text) + "\" не является целым числом.");
    }
    return *value;
}

std::string FormatCompact(double value) {
    if (value == 0 || !std::isfinite(value)) {
        return value == 0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
    }
    const double magnitude = std::fabs(value);
    std::string text;
    if (magnitude >= 10000) {
        text = FixedWhole(magnitude);
    } else if (magnitude >= 1000) {
        text = General(magnitude, 5);
    } else if (magnitude >= 1) {
        text = General(magnitude, 4);
    } else {
        text = General(magnitude, 3);
    }
    return value < 0 ? "-" + text : text;
}

int CompareWithTolerance(float a, float b) {
    const float difference = b - a;
    if (std::fabs(difference) < 0.001f) {
        return 0;
    }
    return b > a ? 1 : -1;
}

bool ExceedsLimit(float value, float limit) {
    return !(value <= limit);
}

void RaiseMaximum(float& maximum, float value) {
    if (!std::isnan(maximum) && (std::isnan(value) || value > maximum)) {
        maximum = value;
    }
}

namespace {

// Truncation toward zero is defined only for values that int32 can hold.
int32_t WholeMillimetres(double millimetres, double metres) {
    if (!(std::fabs(millimetres) < 2147483647.0)) {
        throw ConversionError("значение " + FormatCompact(metres) + " м вне допустимых пределов.");
    }
    return static_cast<int32_t>(millimetres);
}

} // namespace

int32_t MetresToMm(float metres) {
    const float millimetres = (metres + 0.0005f) * 1000.0f;
    return WholeMillimetres(millimetres, metres);
}

int32_t MetresToMm(double metres) {
    return WholeMillimetres((metres + 0.0005) * 1000.0, metres);
}

std::string FormatMetres(float metres) {
    const int32_t millimetres = MetresToMm(metres);
    const int64_t magnitude = millimetres < 0 ? -int64_t{millimetres} : int64_t{millimetres};
    std::string text = (millimetres < 0 ? "-" : "") + std::to_string(magnitude / 1000);
    std::string fraction = std::to_string(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += currentSeparator;
        text += fraction;
    }
    return text;
}

} // namespace balka
