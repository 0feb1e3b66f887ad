#include "graphics/PixelSvg.h"

#include <cstdio>

namespace balka {
namespace {

std::string HexColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.R, colour.G, colour.B);
    return text;
}

} // namespace

PixelMask OuterBackground(const Canvas& picture) {
    const int32_t width = picture.Width();
    const int32_t height = picture.Height();
    PixelMask mask{width, std::vector<bool>(static_cast<size_t>(width * height), false)};
    if (width <= 0 || height <= 0) {
        return mask;
    }
    const Rgb background = picture.Pixel({0, 0});
    std::vector<PixelPoint> pending{{0, 0}};
    while (!pending.empty()) {
        const PixelPoint point = pending.back();
        pending.pop_back();
        const bool inside = point.X >= 0 && point.Y >= 0 && point.X < width && point.Y < height;
        if (!inside || mask.At(point) || !(picture.Pixel(point) == background)) {
            continue;
        }
        mask.Flags[static_cast<size_t>(point.Y * width + point.X)] = true;
        pending.insert(pending.end(), {{point.X + 1, point.Y},
                                       {point.X - 1, point.Y},
                                       {point.X, point.Y + 1},
                                       {point.X, point.Y - 1}});
    }
    return mask;
}

std::string EncodePixelSvg(const Canvas& picture, const PixelMask& clear) {
    const std::string width = std::to_string(picture.Width());
    const std::string height = std::to_string(picture.Height());
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
                      "\" shape-rendering=\"crispEdges\">\n";
    for (int32_t y = 0; y < picture.Height(); ++y) {
        int32_t x = 0;
        while (x < picture.Width()) {
            const Rgb colour = picture.Pixel({x, y});
            const bool clearRun = clear.At({x, y});
            int32_t end = x + 1;
            while (end < picture.Width() && clear.At({end, y}) == clearRun &&
                   (clearRun || picture.Pixel({end, y}) == colour)) {
                ++end;
            }
            if (!clearRun) {
                svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                       "\" width=\"" + std::to_string(end - x) + "\" height=\"1\" fill=\"" +
                       HexColour(colour) + "\"/>\n";
            }
            x = end;
        }
    }
    return svg + "</svg>\n";
}

} // namespace balka
