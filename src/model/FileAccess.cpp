#include "model/FileAccess.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace balka {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return content.str();
}

void WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes) {
    const std::string shown = path.string();
    std::filesystem::path sibling = path;
    sibling += ".tmp" + std::to_string(::getpid());
    std::FILE* file = std::fopen(sibling.c_str(), "wb");
    if (file == nullptr) {
        throw FileError("Не удалось записать файл \"" + shown + "\".");
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (!written || !flushed || !closed) {
        std::filesystem::remove(sibling, error);
        throw FileError("Не удалось записать файл \"" + shown + "\".");
    }
    std::filesystem::rename(sibling, path, error);
    if (error) {
        std::filesystem::remove(sibling, error);
        throw FileError("Не удалось записать файл \"" + shown + "\".");
    }
}

} // namespace balka
