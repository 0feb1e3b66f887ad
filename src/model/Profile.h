// A sectioned profile (INI) text as the project file uses it: "[section]" lines, each followed
// by "key=value" lines. Names match without regard to letter case (Latin and Cyrillic) and the
// first occurrence of a section or key counts. Values are kept as written; reading strips the
// blanks around a value and one pair of enclosing quotation marks, so a value written as a
// single blank reads back empty. Inside the program every text is UTF-8; the file is
// Windows-1251 with CR LF line ends, and UTF-8 files are accepted when their bytes are valid.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace balka {

class Profile {
  public:
    // Parses a file's bytes. Lines that are neither a section nor a key line inside a section
    // are ignored; nothing in the bytes can make parsing fail.
    static Profile FromFileBytes(const std::string& bytes);
    // Every section in order, "key=value" exactly as written, CR LF after each line,
    // encoded in Windows-1251 (a character the code page lacks becomes '?').
    std::string ToFileBytes() const;

    // The value of the first matching key of the first matching section, blanks and one pair
    // of enclosing quotes removed; nothing when the section or key is missing.
    std::optional<std::string> FindValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal with an optional sign, or hexadecimal after "0x"; nothing when the key is missing
    // or its value does not convert to a 32-bit integer.
    std::optional<int32_t> FindInteger(std::string_view section, std::string_view key) const;
    // As FindInteger, with `fallback` for nothing.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    // True when the profile has a section of that name.
    bool HasSection(std::string_view section) const;
    // Any integer other than 0 is true; otherwise as ReadInteger.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the value of an existing key, or appends the key to its section, appending the
    // section when it is missing. A line break inside a value is written as a blank, so a value
    // can never start a line of its own.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Decimal.
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    // "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);

  private:
    struct Entry {
        std::string Key;
        std::string FoldedKey; // small letters, for matching
        std::string Value;     // as written, before the reading rules
    };
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
    };

    // The first section of that name; nullptr when there is none.
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);

    std::vector<Section> sections_;
    // Small-letter name -> index of its first section in sections_.
    std::unordered_map<std::string, size_t> firstSection_;
};

// Reads and parses a profile file; throws FileError naming the file when it cannot be read.
Profile ReadProfileFile(const std::filesystem::path& path);
// Replaces the file in one piece (a sibling written, then renamed over it); throws FileError
// naming the file when it cannot be written, the old file then left as it was.
void WriteProfileFile(const std::filesystem::path& path, const Profile& profile);

} // namespace balka
