// The one record of drawing settings shared by the scheme and the diagrams: margins, base
// lines, colours and the horizontal scale. The screen values are the defaults; the report
// picture swaps in the report colours for one drawing and puts the screen values back.
// Scale is horizontal beam millimetres per pixel, written by every scheme drawing and read by
// the diagrams drawn after it on the same picture.
#pragma once

#include "graphics/Canvas.h"

#include <cstdint>

namespace balka {

inline constexpr Rgb BlackColor{0, 0, 0};
inline constexpr Rgb WhiteColor{255, 255, 255};
inline constexpr Rgb BlueColor{0, 0, 255};
inline constexpr Rgb RedColor{255, 0, 0};
// The button face of the classic desktop, used until the window tells its own.
inline constexpr Rgb DefaultButtonFace{240, 240, 240};

struct DrawingStyle {
    int32_t LeftMargin = 20;
    int32_t RightMargin = 20;
    int32_t BeamY = 80;     // top pixel row of the beam line
    int32_t LoadBaseY = 79; // base line of the load pictograms, just above the beam
    int32_t DiagramTop = 151;
    Rgb BackColor = DefaultButtonFace;
    Rgb SchemeColor = BlackColor;
    Rgb DimensionColor = BlackColor;
    Rgb PointLoadColor = BlueColor;
    Rgb LoadFillColor{255, 198, 199};
    Rgb MomentColor = BlueColor;
    Rgb ShearColor = RedColor;
    float Scale = 1; // mm per pixel
};

// Screen colours over the given window background (the button face).
void SetScreenColors(DrawingStyle& style, Rgb buttonFace);
// White background, black drawing, white load bands: what the report picture is printed with.
void SetReportColors(DrawingStyle& style);

// The pixel column of a horizontal beam position h (mm from the beam's left end):
// the integer part of LeftMargin + 1 + h / Scale.
int32_t BeamPixelX(const DrawingStyle& style, float h);

// The integer part of a pixel coordinate computed in floats, held within a range that any
// picture lies well inside, so an extreme value cannot overflow.
int32_t PixelFloor(float coordinate);

} // namespace balka
