// Text inside the program is UTF-8. The program's files are written in Windows-1251; readers
// accept Windows-1251, and UTF-8 (with or without a byte-order mark) when the bytes are valid.
#pragma once

#include <string>

namespace balka {

bool IsValidUtf8(const std::string& bytes);
// File bytes to UTF-8: a byte-order mark is dropped; invalid UTF-8 is taken as Windows-1251.
std::string DecodeFileText(const std::string& bytes);
// What becomes of a character that Windows-1251 lacks: '?', or in HTML its character
// reference ("&#8308;"), which every reader shows as the character itself.
enum class MissingCharacter { QuestionMark, HtmlReference };

// UTF-8 to Windows-1251. Bytes that are not UTF-8 become '?' either way.
std::string EncodeWindows1251(const std::string& utf8,
                              MissingCharacter missing = MissingCharacter::QuestionMark);

} // namespace balka
