// Colour sets of the drawing and the millimetre-to-pixel rule.
#include "graphics/DrawingStyle.h"

#include <cmath>

namespace balka {

void SetScreenColors(DrawingStyle& style, Rgb buttonFace) {
    const DrawingStyle screen; // the record's defaults are the screen values
    style.BackColor = buttonFace;
    style.SchemeColor = screen.SchemeColor;
    style.DimensionColor = screen.DimensionColor;
    style.PointLoadColor = screen.PointLoadColor;
    style.LoadFillColor = screen.LoadFillColor;
    style.MomentColor = screen.MomentColor;
    style.ShearColor = screen.ShearColor;
}

void SetReportColors(DrawingStyle& style) {
    style.BackColor = WhiteColor;
    style.SchemeColor = BlackColor;
    style.DimensionColor = BlackColor;
    style.PointLoadColor = BlackColor;
    style.LoadFillColor = WhiteColor;
    style.MomentColor = BlackColor;
    style.ShearColor = BlackColor;
}

int32_t PixelFloor(float coordinate) {
    // Far outside any picture, yet safe to add a picture's size to.
    constexpr float limit = 1.0e6f;
    if (std::isnan(coordinate)) {
        return 0;
    }
    if (coordinate > limit) {
        return static_cast<int32_t>(limit);
    }
    if (coordinate < -limit) {
        return -static_cast<int32_t>(limit);
    }
    return static_cast<int32_t>(coordinate); // toward zero, as the integer part
}

int32_t BeamPixelX(const DrawingStyle& style, float h) {
    return PixelFloor(static_cast<float>(style.LeftMargin + 1) + h / style.Scale);
}

} // namespace balka
