// The one drawing surface of the program: the scheme, the diagrams, the report picture, the
// selection chart and the small named pictures are all drawn through it. Coordinates are whole
// pixels, (0, 0) the top-left corner, y growing downward. The calls follow the raster
// conventions the drawing code is written for: a line stops just before its end point (a pen
// moved to a point), a rectangle or an ellipse covers its box without the Right column and the
// Bottom row. Nothing is smoothed, so every pixel lands exactly where the drawing code says.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace balka {

struct Rgb {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PixelPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Left and Top lie inside the box, Right and Bottom just outside it.
struct PixelRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct TextExtent {
    int32_t Width = 0;
    int32_t Height = 0;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // From `from` up to, not including, `to`; a pen wider than 1 is centred on that path.
    virtual void Line(PixelPoint from, PixelPoint to, Rgb color, int32_t penWidth) = 0;
    virtual void FillRect(PixelRect box, Rgb fill) = 0;
    // The box filled with `fill` and framed by a 1-pixel `border` along its outermost pixels.
    virtual void Rectangle(PixelRect box, Rgb border, Rgb fill) = 0;
    // The ellipse inscribed in the box, filled with `fill`, outlined 1 pixel wide by `border`.
    virtual void Ellipse(PixelRect box, Rgb border, Rgb fill) = 0;
    // The closed polygon through `corners`, filled with `fill`, outlined by `border`.
    virtual void Polygon(const std::vector<PixelPoint>& corners, Rgb border, Rgb fill) = 0;

    // Texts are UTF-8 in the picture's font; the extent is the box that Text fills.
    virtual TextExtent MeasureText(const std::string& text) const = 0;
    // Fills the text's box at `topLeft` with `background`, then writes the text in `color`.
    virtual void Text(PixelPoint topLeft, const std::string& text, Rgb color, Rgb background) = 0;

    // Paints the 4-connected region around `seed` up to pixels of the colour `border`.
    virtual void FloodFill(PixelPoint seed, Rgb border, Rgb fill) = 0;
    // The colour of a pixel inside the picture; black outside it.
    virtual Rgb Pixel(PixelPoint at) const = 0;
};

} // namespace balka
