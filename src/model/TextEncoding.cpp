#include "model/TextEncoding.h"

#include <cstdint>
#include <string>

namespace balka {

namespace {

// Code points of the bytes 0x80..0xFF of Windows-1251; 0 where the code page has no character.
constexpr char16_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i`; returns false for a malformed one.
bool NextCodePoint(const std::string& s, size_t& i, char32_t& c) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t lead = byte(i);
    size_t length = 0;
    if (lead < 0x80) {
        c = lead;
        length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        c = lead & 0x1F;
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        c = lead & 0x0F;
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        c = lead & 0x07;
        length = 4;
    } else {
        return false;
    }
    if (i + length > s.size()) {
        return false;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return false;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return false;
    }
    i += length;
    return true;
}

} // namespace

bool IsValidUtf8(const std::string& bytes) {
    size_t i = 0;
    char32_t c = 0;
    while (i < bytes.size()) {
        if (!NextCodePoint(bytes, i, c)) {
            return false;
        }
    }
    return true;
}

std::string DecodeFileText(const std::string& bytes) {
    const std::string bom = "\xEF\xBB\xBF";
    if (bytes.compare(0, bom.size(), bom) == 0 && IsValidUtf8(bytes)) {
        return bytes.substr(bom.size());
    }
    if (IsValidUtf8(bytes)) {
        return bytes;
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<uint8_t>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            const char16_t c = kUpperHalf[b - 0x80];
            AppendUtf8(out, c == 0 ? U'?' : c);
        }
    }
    return out;
}

std::string EncodeWindows1251(const std::string& utf8, MissingCharacter missing) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!NextCodePoint(utf8, i, c)) {
            out += '?';
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        char encoded = 0;
        for (int k = 0; k < 128; ++k) {
            if (kUpperHalf[k] != 0 && kUpperHalf[k] == c) {
                encoded = static_cast<char>(0x80 + k);
                break;
            }
        }
        if (encoded != 0) {
            out += encoded;
        } else if (missing == MissingCharacter::HtmlReference) {
            out += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
        } else {
            out += '?';
        }
    }
    return out;
}

} // namespace balka
