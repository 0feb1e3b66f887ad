// Number and title fragments of the report and the escaping of foreign text.
#include "report/ReportText.h"

#include "model/Numbers.h"

namespace balka::report {

std::string F(float value) {
    return FormatCompact(value);
}

std::string I(int32_t value) {
    return std::to_string(value);
}

std::string Title(std::string_view title) {
    return "<b><u>" + std::string(title) + "</u></b><br><br>";
}

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace balka::report
