// The Canvas over a QImage: what the main window shows, the report picture and the small named
// pictures are drawn into it. Nothing is smoothed, not even text, so pixels land exactly where
// the drawing code puts them; texts use the picture's default font.
#pragma once

#include "graphics/Canvas.h"

#include <QFont>
#include <QImage>

namespace balka {

class QtCanvas : public Canvas {
  public:
    // A picture of the given size, white until something is drawn.
    QtCanvas(int32_t width, int32_t height);

    int32_t Width() const override;
    int32_t Height() const override;
    void Line(PixelPoint from, PixelPoint to, Rgb color, int32_t penWidth) override;
    void FillRect(PixelRect box, Rgb fill) override;
    void Rectangle(PixelRect box, Rgb border, Rgb fill) override;
    void Ellipse(PixelRect box, Rgb border, Rgb fill) override;
    void Polygon(const std::vector<PixelPoint>& corners, Rgb border, Rgb fill) override;
    TextExtent MeasureText(const std::string& text) const override;
    void Text(PixelPoint topLeft, const std::string& text, Rgb color, Rgb background) override;
    void FloodFill(PixelPoint seed, Rgb border, Rgb fill) override;
    Rgb Pixel(PixelPoint at) const override;

    const QImage& Image() const { return image_; }

  private:
    bool Inside(int32_t x, int32_t y) const;
    void Plot(int32_t x, int32_t y, QRgb color);

    QImage image_;
    QFont font_;
};

} // namespace balka
