// The small pieces every section of the calculation report is built from: the two number
// formats (F for a real value, through FormatCompact with the current decimal separator; I for
// a whole number), the section title, and the escaping of text that comes from files or people,
// so that such text can never break the HTML around it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace balka::report {

// A real value as the report prints it: FormatCompact of the 32-bit float.
std::string F(float value);
// A whole number as plain decimal text.
std::string I(int32_t value);
// "<b><u>" + title + "</u></b><br><br>".
std::string Title(std::string_view title);

// The fragment every table of the report opens with.
constexpr const char* TableStart = R"(<table border="1" cellspacing="0" cellpadding="3" >)";
// &, <, >, " and ' as character references; every other character unchanged.
std::string EscapeHtml(std::string_view text);

} // namespace balka::report
