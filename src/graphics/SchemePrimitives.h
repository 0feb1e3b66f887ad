// The pictograms of the scheme: support symbols, dimension lines and load labels. Every call
// draws at the pixel position it is given, in the colours of the drawing style; positions are
// pixels of the target picture.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/DrawingStyle.h"

#include <cstdint>
#include <string>

namespace balka {

enum class SupportSide { Left, Right };

// Hinge on a triangle over ground; (x, y) is the top of the hinge circle.
void DrawPinnedSupport(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y);
// Two hinges on a vertical link over ground; (x, y) is the top of the upper circle.
void DrawRollerSupport(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y);
// A solid block 9 pixels wide and 24 high centred on y, on the given side of x.
void DrawFixedSupport(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y,
                      SupportSide side);

// A dimension between the columns X1 and X2: extension lines from Y1 and Y2 down to a little
// below the dimension line at Yd, oblique ticks, and the text centred above the line.
struct Dimension {
    int32_t X1 = 0;
    int32_t Y1 = 0;
    std::string Text;
    int32_t Yd = 0;
    int32_t Y2 = 0;
    int32_t X2 = 0;
};
void DrawDimension(Canvas& target, const DrawingStyle& style, const Dimension& dimension);

// A band 20 pixels high standing on the base line y from column x1 to x2, with its label.
void DrawDistributedLoad(Canvas& target, const DrawingStyle& style, int32_t x1, int32_t x2,
                         const std::string& text, int32_t y);
// A bar 3 pixels wide and `length` high standing on the base line y at column x, with its label.
void DrawPointLoad(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y,
                   const std::string& text, int32_t length);

} // namespace balka
