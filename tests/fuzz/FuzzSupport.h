// What the fuzz targets share: the entry point every target defines, a canvas that takes every
// drawing call and keeps nothing, and the one file through which a target hands its input to a
// reader that only reads from a path. Each process writes into its own temporary folder, so
// several fuzzing jobs never share a file; the folder goes when the process ends normally.
#pragma once

#include "graphics/Canvas.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// libFuzzer calls it once per input; the replay program once per file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace balka::fuzz {

// libFuzzer keeps an input in its corpus only when the target returns 0.
constexpr int kKeepInput = 0;
constexpr int kRejectInput = -1;

// A property the target checks; its failure ends the process as a crash would, naming it.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

inline std::string Bytes(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Texts measure 7 pixels per character and 13 high; every pixel reads as white.
class BlankCanvas : public Canvas {
  public:
    BlankCanvas(int32_t width, int32_t height) : width_(width), height_(height) {}

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    void Line(PixelPoint, PixelPoint, Rgb, int32_t) override {}
    void FillRect(PixelRect, Rgb) override {}
    void Rectangle(PixelRect, Rgb, Rgb) override {}
    void Ellipse(PixelRect, Rgb, Rgb) override {}
    void Polygon(const std::vector<PixelPoint>&, Rgb, Rgb) override {}
    TextExtent MeasureText(const std::string& text) const override {
        return {static_cast<int32_t>(text.size()) * 7, 13};
    }
    void Text(PixelPoint, const std::string&, Rgb, Rgb) override {}
    void FloodFill(PixelPoint, Rgb, Rgb) override {}
    Rgb Pixel(PixelPoint) const override { return {255, 255, 255}; }

  private:
    int32_t width_;
    int32_t height_;
};

class InputFolder {
  public:
    InputFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "balka-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path_ = pattern;
    }
    ~InputFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    InputFolder(const InputFolder&) = delete;
    InputFolder& operator=(const InputFolder&) = delete;

    // Overwrites the file `name` in the folder with `bytes` and returns its path. A plain
    // write: the program's own careful replacement waits for the disk on every input.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + file.string());
        }
        return file;
    }

  private:
    std::filesystem::path path_;
};

// The folder of this process, made on first use.
inline const InputFolder& TheInputFolder() {
    static const InputFolder folder;
    return folder;
}

} // namespace balka::fuzz
