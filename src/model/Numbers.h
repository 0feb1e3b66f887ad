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

// The comparison of every verdict: true when value lies above limit, and also when either is
// NaN, so that a check never passes on a number that is not one.
bool ExceedsLimit(float value, float limit);
// Raises `maximum` to `value` when it is larger. A NaN, on either side, becomes and stays the
// maximum: a largest value taken over a NaN is NaN, not the largest of the rest.
void RaiseMaximum(float& maximum, float value);

// Metres to whole millimetres: + 0.0005, * 1000, truncated toward zero. A value whose
// millimetres do not fit int32 (or NaN) throws ConversionError; the callers check the ranges of
// model/Ranges.h first, so a beam never meets it.
int32_t MetresToMm(float metres);
int32_t MetresToMm(double metres);

// A length or position in metres as the tables and files keep it: its whole millimetres
// (MetresToMm) written with up to three decimals, trailing zeros and separator dropped, so
// 12.345 stays "12,345" and 2.50 becomes "2,5", whatever the size. Reading the text back and
// converting it with MetresToMm gives the same millimetres.
std::string FormatMetres(float metres);

} // namespace balka
