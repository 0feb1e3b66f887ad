// Small drawing elements shared by the named pictures of the editors and the template dialog:
// a reduced support, a band of load arrows, a single load arrow and a short dimension. Sizes
// are pixels, chosen for pictures about 65 to 100 pixels high.
#pragma once

#include "graphics/Canvas.h"

#include <cstdint>
#include <string>

namespace balka {

inline constexpr Rgb PictureInk{0, 0, 0};
inline constexpr Rgb PicturePaper{255, 255, 255};
inline constexpr Rgb PictureLoadFill{255, 198, 199};
inline constexpr Rgb PictureTimber{240, 214, 170};

// The beam as three rows of pixels from x1 to x2 (both included), its top row at y.
void DrawPictureBeam(Canvas& target, int32_t x1, int32_t x2, int32_t y);
// A hinged support: a triangle with its apex at (x, y) and its ground 11 pixels lower.
void DrawPictureSupport(Canvas& target, int32_t x, int32_t y);
// A distributed load standing on the base line `bottom` from x1 to x2: a filled band with
// arrows every few pixels pointing down to the base line.
void DrawPictureLoadBand(Canvas& target, int32_t x1, int32_t x2, int32_t top, int32_t bottom);
// A point load: a bar with an arrow head whose tip touches (x, tip), reaching up to `top`.
void DrawPictureLoadArrow(Canvas& target, int32_t x, int32_t top, int32_t tip);
// A dimension from x1 to x2 on the line y, with short extension lines from `from` down to
// the line and the text centred just above it.
void DrawPictureDimension(Canvas& target, int32_t x1, int32_t x2, int32_t y, int32_t from,
                          const std::string& text);

} // namespace balka
