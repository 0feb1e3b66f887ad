// Whole-file reading and the replacing write: a file is written as a sibling and renamed over
// the old one, so a failed write leaves the old file whole.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace balka {

class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& text) : std::runtime_error(text) {}
};

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// Throws FileError with a Russian text naming the file when it cannot be written.
void WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes);

} // namespace balka
