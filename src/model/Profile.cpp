// Profile parsing, lookup and writing. Names are compared after folding Latin and Cyrillic
// capitals (the letters of Windows-1251) to small letters; other characters compare as they are.
#include "model/Profile.h"

#include "model/FileAccess.h"
#include "model/TextEncoding.h"

#include <algorithm>
#include <limits>

namespace balka {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The small letter of a capital of Windows-1251's alphabets; any other code point unchanged.
char32_t SmallLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c + 0x20;
    }
    if (c >= 0x0410 && c <= 0x042F) { // А..Я
        return c + 0x20;
    }
    if (c >= 0x0400 && c <= 0x040F) { // Ѐ..Џ, among them Ё, Ђ, Ѓ, Є, Ї, Љ
        return c + 0x50;
    }
    if (c == 0x0490) { // Ґ
        return 0x0491;
    }
    return c;
}

// Names are valid UTF-8 here (file text passed through DecodeFileText, keys from the program);
// a stray byte is still handled: it is kept as it is.
std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char>(SmallLetter(lead));
            ++i;
            continue;
        }
        const bool twoBytes = (lead & 0xE0) == 0xC0 && i + 1 < text.size() &&
                              (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        if (!twoBytes) {
            out += text[i];
            ++i;
            continue;
        }
        const char32_t c =
            ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
        const char32_t small = SmallLetter(c);
        out += static_cast<char>(0xC0 | (small >> 6));
        out += static_cast<char>(0x80 | (small & 0x3F));
        i += 2;
    }
    return out;
}

// The reading rules: blanks around the value and one pair of enclosing quotes removed.
std::string ReadValue(std::string_view written) {
    std::string_view value = TrimBlanks(written);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::optional<int32_t> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // The magnitude may reach 2^31 for a negative value; anything past it does not convert.
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t magnitude = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string WithoutLineBreaks(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

} // namespace

Profile Profile::FromFileBytes(const std::string& bytes) {
    const std::string text = DecodeFileText(bytes);
    Profile profile;
    Section* current = nullptr;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line = TrimBlanks(std::string_view(text).substr(start, end - start));
        start = end + 1;

        const size_t closing = line.rfind(']');
        if (!line.empty() && line.front() == '[' && closing != std::string_view::npos) {
            const std::string_view name = TrimBlanks(line.substr(1, closing - 1));
            current = &profile.AddSection(name);
            continue;
        }
        const size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        if (!key.empty()) {
            current->Entries.push_back(
                Entry{std::string(key), FoldCase(key), std::string(line.substr(equals + 1))});
        }
    }
    return profile;
}

std::string Profile::ToFileBytes() const {
    std::string text;
    for (const Section& section : sections_) {
        text += "[" + section.Name + "]\r\n";
        for (const Entry& entry : section.Entries) {
            text += entry.Key + "=" + entry.Value + "\r\n";
        }
    }
    return EncodeWindows1251(text);
}

const Profile::Section* Profile::FindSection(std::string_view name) const {
    const auto found = firstSection_.find(FoldCase(name));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

// A later section of the same name is kept, so the text is written back as it was, but it is
// never found: the first one counts.
Profile::Section& Profile::AddSection(std::string_view name) {
    firstSection_.emplace(FoldCase(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}});
    return sections_.back();
}

std::optional<std::string> Profile::FindValue(std::string_view section,
                                              std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const std::string folded = FoldCase(key);
    for (const Entry& entry : found->Entries) {
        if (entry.FoldedKey == folded) {
            return ReadValue(entry.Value);
        }
    }
    return std::nullopt;
}

std::string Profile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return FindValue(section, key).value_or(std::string(fallback));
}

std::optional<int32_t> Profile::FindInteger(std::string_view section, std::string_view key) const {
    const std::optional<std::string> value = FindValue(section, key);
    return value ? ParseInteger(*value) : std::nullopt;
}

int32_t Profile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    return FindInteger(section, key).value_or(fallback);
}

bool Profile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool Profile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void Profile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const auto found = firstSection_.find(FoldCase(section));
    Section& target = found == firstSection_.end() ? AddSection(section) : sections_[found->second];
    const std::string folded = FoldCase(key);
    for (Entry& entry : target.Entries) {
        if (entry.FoldedKey == folded) {
            entry.Value = WithoutLineBreaks(value);
            return;
        }
    }
    target.Entries.push_back(Entry{std::string(key), folded, WithoutLineBreaks(value)});
}

void Profile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void Profile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

Profile ReadProfileFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        throw FileError("Не удалось прочитать файл \"" + path.string() + "\".");
    }
    return Profile::FromFileBytes(*bytes);
}

void WriteProfileFile(const std::filesystem::path& path, const Profile& profile) {
    WriteFileReplacing(path, profile.ToFileBytes());
}

} // namespace balka
