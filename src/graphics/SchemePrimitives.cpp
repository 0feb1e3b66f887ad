// Support symbols, dimension lines and load pictograms of the scheme. Sizes are pixels and
// chosen so that the symbols fit between the beam line and the dimension rows below it.
#include "graphics/SchemePrimitives.h"

namespace balka {
namespace {

void DrawGround(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y) {
    for (int32_t k = 21; k <= 23; ++k) {
        target.Line({x - 12, y + k}, {x + 12, y + k}, style.SchemeColor, 1);
    }
}

void DrawHinge(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y) {
    target.Ellipse({x - 4, y, x + 5, y + 9}, style.SchemeColor, style.BackColor);
}

} // namespace

void DrawPinnedSupport(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y) {
    DrawGround(target, style, x, y);
    target.Line({x - 7, y + 21}, {x, y + 2}, style.SchemeColor, 1);
    target.Line({x, y + 2}, {x + 7, y + 21}, style.SchemeColor, 1);
    DrawHinge(target, style, x, y);
}

void DrawRollerSupport(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y) {
    DrawGround(target, style, x, y);
    target.Line({x, y}, {x, y + 21}, style.SchemeColor, 1);
    DrawHinge(target, style, x, y);
    DrawHinge(target, style, x, y + 12);
}

void DrawFixedSupport(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y,
                      SupportSide side) {
    const int32_t left = side == SupportSide::Left ? x - 9 : x;
    target.Rectangle({left, y - 12, left + 9, y + 12}, style.SchemeColor, style.SchemeColor);
}

void DrawDimension(Canvas& target, const DrawingStyle& style, const Dimension& dimension) {
    const Rgb color = style.DimensionColor;
    const int32_t yd = dimension.Yd;
    target.Line({dimension.X1, dimension.Y1}, {dimension.X1, yd + 5}, color, 1);
    target.Line({dimension.X2, dimension.Y2}, {dimension.X2, yd + 5}, color, 1);
    target.Line({dimension.X1 - 5, yd}, {dimension.X2 + 5, yd}, color, 1);
    for (const int32_t x : {dimension.X1, dimension.X2}) {
        target.Line({x - 3, yd + 3}, {x + 4, yd - 4}, color, 1);
    }
    const TextExtent extent = target.MeasureText(dimension.Text);
    const int32_t textX = dimension.X1 + (dimension.X2 - dimension.X1) / 2 - extent.Width / 2;
    target.Text({textX, yd - 14}, dimension.Text, color, style.BackColor);
}

void DrawDistributedLoad(Canvas& target, const DrawingStyle& style, int32_t x1, int32_t x2,
                         const std::string& text, int32_t y) {
    target.Rectangle({x1, y - 19, x2 + 1, y}, BlackColor, style.LoadFillColor);
    const std::string label = " " + text + " ";
    const TextExtent extent = target.MeasureText(label);
    target.Text({x1 + 2, y - 9 - extent.Height / 2 - 1}, label, BlackColor, style.LoadFillColor);
}

void DrawPointLoad(Canvas& target, const DrawingStyle& style, int32_t x, int32_t y,
                   const std::string& text, int32_t length) {
    target.Rectangle({x - 1, y - length, x + 2, y}, style.PointLoadColor, style.PointLoadColor);
    target.Text({x + 4, y - length - 2}, text, BlackColor, style.BackColor);
}

} // namespace balka
