// Lines of the reference files: split on CR LF, LF or CR (a final line break adds no empty
// line), joined with CR LF after every line, as the program's files have always been written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace balka {

std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace balka
