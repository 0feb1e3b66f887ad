// Saving a picture as a JPEG file: baseline, RGB, the library's default quality. The file is
// written as a sibling and renamed over the old one, so a failed write leaves no half file.
#pragma once

#include "graphics/Canvas.h"

#include <filesystem>
#include <string>

namespace balka {

// The JPEG bytes of the picture's pixels.
std::string EncodeJpeg(const Canvas& picture);
// Throws FileError with a Russian text naming the file when it cannot be written.
void WriteJpeg(const Canvas& picture, const std::filesystem::path& file);

} // namespace balka
