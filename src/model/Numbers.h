// Text <-> number with the current decimal separator, the compact number format shown
// everywhere, the tolerance comparison and the metres -> millimetres rule.
// The separator is process-wide, as the user's locale is: the comma under the C/POSIX locale
// (the interface and the files are Russian); tests set it explicitly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace balka {

char DecimalSeparator();
void SetDecimalSeparator(char separator);
// The separator of LC_NUMERIC as the environment names it; ',' for C, POSIX or an unknown locale.
char DetectDecimalSeparator();

// Parsing accepts blanks around the number, a sign, the current separator and an exponent.
std::optional<double> TryTextToDouble(std::string_view text);
std::optional<float> TryTextToFloat(std::string_view text);
std::optional<int32_t> TryTextToInt(std::string_view text);
// As above, but a text that does not convert throws ConversionError naming the value.
double TextToDouble(std::string_view text);
float TextToFloat(std::string_view text);
int32_t TextToInt(std::string_view text);

// Fixed without decimals from 10000 up (scientific from 1e7), otherwise the shortest general
// form with 5 significant digits from 1000, 4 from 1 and 3 below 1 (scientific below 1e-5).
std::string FormatCompact(double value);

// 0 when |b - a| < 0.001, otherwise +1 when b > a and -1 when b < a.
int CompareWithTolerance(float a, float b);

// Metres to whole millimetres: + 0.0005, * 1000, truncated toward zero.
int32_t MetresToMm(float metres);
int32_t MetresToMm(double metres);

} // namespace balka
