// Reduced versions of the scheme's symbols for the small named pictures.
#include "graphics/PictureElements.h"

#include <algorithm>

namespace balka {
namespace {

constexpr int32_t ArrowSpacing = 10;

void DrawArrowHead(Canvas& target, int32_t x, int32_t tip) {
    target.Polygon({{x - 3, tip - 5}, {x + 3, tip - 5}, {x, tip}}, PictureInk, PictureInk);
}

} // namespace

void DrawPictureBeam(Canvas& target, int32_t x1, int32_t x2, int32_t y) {
    for (int32_t row = y; row < y + 3; ++row) {
        target.Line({x1, row}, {x2 + 1, row}, PictureInk, 1);
    }
}

void DrawPictureSupport(Canvas& target, int32_t x, int32_t y) {
    target.Polygon({{x, y}, {x - 6, y + 10}, {x + 6, y + 10}}, PictureInk, PicturePaper);
    target.Line({x - 9, y + 11}, {x + 10, y + 11}, PictureInk, 1);
    for (int32_t hatch = x - 8; hatch <= x + 8; hatch += 4) {
        target.Line({hatch, y + 14}, {hatch + 3, y + 11}, PictureInk, 1);
    }
}

void DrawPictureLoadBand(Canvas& target, int32_t x1, int32_t x2, int32_t top, int32_t bottom) {
    target.Rectangle({x1, top, x2 + 1, top + 4}, PictureInk, PictureLoadFill);
    const int32_t count = std::max((x2 - x1) / ArrowSpacing, 1);
    for (int32_t k = 0; k <= count; ++k) {
        const int32_t x = x1 + (x2 - x1) * k / count;
        target.Line({x, top + 4}, {x, bottom - 4}, PictureInk, 1);
        DrawArrowHead(target, x, bottom);
    }
}

void DrawPictureLoadArrow(Canvas& target, int32_t x, int32_t top, int32_t tip) {
    target.Rectangle({x - 1, top, x + 2, tip - 4}, PictureInk, PictureInk);
    target.Polygon({{x - 4, tip - 8}, {x + 4, tip - 8}, {x, tip}}, PictureInk, PictureInk);
}

void DrawPictureDimension(Canvas& target, int32_t x1, int32_t x2, int32_t y, int32_t from,
                          const std::string& text) {
    target.Line({x1, from}, {x1, y + 4}, PictureInk, 1);
    target.Line({x2, from}, {x2, y + 4}, PictureInk, 1);
    target.Line({x1 - 3, y}, {x2 + 4, y}, PictureInk, 1);
    for (const int32_t x : {x1, x2}) {
        target.Line({x - 2, y + 2}, {x + 3, y - 3}, PictureInk, 1);
    }
    const TextExtent extent = target.MeasureText(text);
    target.Text({x1 + (x2 - x1) / 2 - extent.Width / 2, y - extent.Height}, text, PictureInk,
                PicturePaper);
}

} // namespace balka
