// JPEG compression with libjpeg into memory. libjpeg reports a fatal error through a callback
// that must not return; it jumps back to the one C-style frame that owns the compressor, which
// holds no C++ objects, so nothing is skipped but libjpeg's own memory, released there.
#include "graphics/JpegWriter.h"

#include "model/FileAccess.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>
#include <vector>

namespace balka {
namespace {

struct ErrorManager {
    jpeg_error_mgr Base; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf Return;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->Return, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// Compresses rows of RGB triples; on success the caller frees *output with free().
bool CompressRgb(const unsigned char* rgb, int width, int height, unsigned char** output,
                 unsigned long* size) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnJpegError;
    errors.Base.output_message = IgnoreJpegMessage;
    *output = nullptr;
    *size = 0;
    if (setjmp(errors.Return) != 0) {
        jpeg_destroy_compress(&info);
        std::free(*output);
        *output = nullptr;
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info); // baseline, default quality
    jpeg_start_compress(&info, TRUE);
    const size_t stride = static_cast<size_t>(width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::string EncodeJpeg(const Canvas& picture) {
    const int32_t width = picture.Width();
    const int32_t height = picture.Height();
    if (width <= 0 || height <= 0) {
        throw FileError("Пустой рисунок нельзя сохранить в формате JPEG.");
    }
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const Rgb color = picture.Pixel({x, y});
            rgb.push_back(color.R);
            rgb.push_back(color.G);
            rgb.push_back(color.B);
        }
    }
    unsigned char* output = nullptr;
    unsigned long size = 0;
    if (!CompressRgb(rgb.data(), width, height, &output, &size)) {
        throw FileError("Не удалось сжать рисунок в формат JPEG.");
    }
    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(output, &std::free);
    return std::string(reinterpret_cast<const char*>(owned.get()), size);
}

void WriteJpeg(const Canvas& picture, const std::filesystem::path& file) {
    WriteFileReplacing(file, EncodeJpeg(picture));
}

} // namespace balka
