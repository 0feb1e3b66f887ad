// Text inside the program is UTF-8. The program's files are written in Windows-1251; readers
// accept Windows-1251, and UTF-8 (with or without a byte-order mark) when the bytes are valid.
#pragma once

#include <string>

namespace balka {

bool IsValidUtf8(const std::string& bytes);
// File bytes to UTF-8: a byte-order mark is dropped; invalid UTF-8 is taken as Windows-1251.
std::string DecodeFileText(const std::string& bytes);
// UTF-8 to Windows-1251; a character the code page lacks becomes '?'.
std::string EncodeWindows1251(const std::string& utf8);

} // namespace balka
