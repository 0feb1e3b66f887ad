// The brand word is drawn in block letters of 5 x 7 cells, each cell a filled square, so the
// emblem does not depend on the fonts of the machine.
#include "graphics/EmblemPictures.h"

#include "graphics/PictureElements.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace balka {
namespace {

constexpr Rgb BrandBrown{112, 62, 22};
constexpr std::array<Rgb, 2> VeneerTones = {Rgb{226, 190, 140}, Rgb{196, 148, 96}};

struct BlockLetter {
    char Letter;
    std::array<std::string_view, 7> Rows;
};

constexpr std::array<BlockLetter, 8> Letters = {{
    {'D', {"11110", "10001", "10001", "10001", "10001", "10001", "11110"}},
    {'R', {"11110", "10001", "10001", "11110", "10100", "10010", "10001"}},
    {'A', {"01110", "10001", "10001", "11111", "10001", "10001", "10001"}},
    {'V', {"10001", "10001", "10001", "10001", "10001", "01010", "00100"}},
    {'O', {"01110", "10001", "10001", "10001", "10001", "10001", "01110"}},
    {'L', {"10000", "10000", "10000", "10000", "10000", "10000", "11111"}},
    {'I', {"01110", "00100", "00100", "00100", "00100", "00100", "01110"}},
    {'T', {"11111", "00100", "00100", "00100", "00100", "00100", "00100"}},
}};

constexpr int32_t LetterCells = 5;
constexpr int32_t LetterGap = 1; // cells between letters

int32_t BlockTextWidth(std::string_view text, int32_t cell) {
    const auto count = static_cast<int32_t>(text.size());
    return count == 0 ? 0 : (count * (LetterCells + LetterGap) - LetterGap) * cell;
}

void DrawBlockText(Canvas& target, PixelPoint topLeft, std::string_view text, int32_t cell,
                   Rgb color) {
    int32_t x = topLeft.X;
    for (const char letter : text) {
        for (const BlockLetter& shape : Letters) {
            if (shape.Letter != letter) {
                continue;
            }
            for (int32_t row = 0; row < 7; ++row) {
                for (int32_t column = 0; column < LetterCells; ++column) {
                    if (shape.Rows[static_cast<size_t>(row)][static_cast<size_t>(column)] == '1') {
                        const int32_t left = x + column * cell;
                        const int32_t top = topLeft.Y + row * cell;
                        target.FillRect({left, top, left + cell, top + cell}, color);
                    }
                }
            }
        }
        x += (LetterCells + LetterGap) * cell;
    }
}

// Layers of veneer filling the box, outlined.
void DrawVeneerBlock(Canvas& target, PixelRect box, int32_t layer) {
    int32_t tone = 0;
    for (int32_t y = box.Top; y < box.Bottom; y += layer) {
        target.FillRect({box.Left, y, box.Right, std::min(y + layer, box.Bottom)},
                        VeneerTones[static_cast<size_t>(tone)]);
        tone = 1 - tone;
    }
    target.Line({box.Left, box.Top}, {box.Right, box.Top}, BrandBrown, 1);
    target.Line({box.Right - 1, box.Top}, {box.Right - 1, box.Bottom}, BrandBrown, 1);
    target.Line({box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1}, BrandBrown, 1);
    target.Line({box.Left, box.Bottom - 1}, {box.Left, box.Top}, BrandBrown, 1);
}

} // namespace

void DrawLogoPicture(Canvas& target) {
    constexpr int32_t width = 225;
    constexpr int32_t height = 77;
    target.FillRect({0, 0, width, height}, PicturePaper);
    constexpr std::string_view brand = "DRAVOLIT";
    constexpr int32_t cell = 4;
    const int32_t left = (width - BlockTextWidth(brand, cell)) / 2;
    DrawBlockText(target, {left, 8}, brand, cell, BrandBrown);
    DrawVeneerBlock(target, {left, 46, width - left, 70}, 3);
}

void DrawFileIconPicture(Canvas& target) {
    constexpr int32_t size = 48;
    target.FillRect({0, 0, size, size}, PicturePaper);
    // A sheet with a folded corner.
    target.Polygon({{3, 2}, {37, 2}, {45, 10}, {45, 45}, {3, 45}}, BrandBrown, PicturePaper);
    target.Polygon({{37, 2}, {37, 10}, {45, 10}}, BrandBrown, VeneerTones[0]);
    constexpr std::string_view mark = "LVL";
    constexpr int32_t cell = 2;
    DrawBlockText(target, {(size - BlockTextWidth(mark, cell)) / 2, 12}, mark, cell, BrandBrown);
    DrawVeneerBlock(target, {6, 30, 43, 43}, 2);
}

} // namespace balka
