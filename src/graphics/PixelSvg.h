// A picture's pixels as a scalable SVG image: every run of equal pixels in a row becomes one
// rectangle one pixel high, so the image scales to any size with the picture's crisp edges.
// The installed icons are written this way from the small pictures drawn for the screen, with
// the background around the drawing left clear so the desktop shows through.
#pragma once

#include "graphics/Canvas.h"

#include <string>
#include <vector>

namespace balka {

// One flag per pixel, row by row: Flags[y * Width + x].
struct PixelMask {
    int32_t Width = 0;
    std::vector<bool> Flags;
    bool At(PixelPoint point) const {
        return Flags[static_cast<size_t>(point.Y) * static_cast<size_t>(Width) +
                     static_cast<size_t>(point.X)];
    }
};

// The pixels of the top-left corner's colour that are 4-connected to that corner: the
// background around a drawing.
PixelMask OuterBackground(const Canvas& picture);

// An SVG document whose view box is the picture in pixels; the pixels of `clear` are left out.
std::string EncodePixelSvg(const Canvas& picture, const PixelMask& clear);

} // namespace balka
