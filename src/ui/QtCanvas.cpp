// Lines are traced pixel by pixel (Bresenham) so that they stop just before their end point,
// as the drawing code expects; boxes, ellipses, polygons and text go through QPainter with
// smoothing off. A box's Right and Bottom lie outside it, so QPainter's outline rectangle is one
// pixel smaller than the box.
#include "ui/QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace balka {
namespace {

QColor ToQColor(Rgb color) {
    return QColor(color.R, color.G, color.B);
}

// A painter for one call: no smoothing of shapes or glyphs.
class Painter : public QPainter {
  public:
    Painter(QImage* image, const QFont& font) : QPainter(image) {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        setFont(font);
    }
};

} // namespace

QtCanvas::QtCanvas(int32_t width, int32_t height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(Qt::white);
    font_.setStyleStrategy(QFont::NoAntialias);
}

int32_t QtCanvas::Width() const {
    return image_.width();
}

int32_t QtCanvas::Height() const {
    return image_.height();
}

bool QtCanvas::Inside(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < image_.width() && y < image_.height();
}

void QtCanvas::Plot(int32_t x, int32_t y, QRgb color) {
    if (Inside(x, y)) {
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = color;
    }
}

void QtCanvas::Line(PixelPoint from, PixelPoint to, Rgb color, int32_t penWidth) {
    const QRgb value = qRgb(color.R, color.G, color.B);
    const int32_t width = std::max(penWidth, 1);
    const int32_t before = (width - 1) / 2; // a wide pen is centred on the traced path
    const int32_t dx = std::abs(to.X - from.X);
    const int32_t dy = -std::abs(to.Y - from.Y);
    const int32_t stepX = from.X < to.X ? 1 : -1;
    const int32_t stepY = from.Y < to.Y ? 1 : -1;
    int32_t error = dx + dy;
    PixelPoint at = from;
    while (at != to) {
        for (int32_t oy = -before; oy < width - before; ++oy) {
            for (int32_t ox = -before; ox < width - before; ++ox) {
                Plot(at.X + ox, at.Y + oy, value);
            }
        }
        const int32_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.X += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            at.Y += stepY;
        }
    }
}

void QtCanvas::FillRect(PixelRect box, Rgb fill) {
    if (box.Right <= box.Left || box.Bottom <= box.Top) {
        return;
    }
    Painter painter(&image_, font_);
    painter.fillRect(QRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top),
                     ToQColor(fill));
}

void QtCanvas::Rectangle(PixelRect box, Rgb border, Rgb fill) {
    if (box.Right <= box.Left || box.Bottom <= box.Top) {
        return;
    }
    Painter painter(&image_, font_);
    painter.setPen(ToQColor(border));
    painter.setBrush(ToQColor(fill));
    painter.drawRect(QRect(box.Left, box.Top, box.Right - box.Left - 1, box.Bottom - box.Top - 1));
}

void QtCanvas::Ellipse(PixelRect box, Rgb border, Rgb fill) {
    if (box.Right <= box.Left || box.Bottom <= box.Top) {
        return;
    }
    Painter painter(&image_, font_);
    painter.setPen(ToQColor(border));
    painter.setBrush(ToQColor(fill));
    painter.drawEllipse(
        QRect(box.Left, box.Top, box.Right - box.Left - 1, box.Bottom - box.Top - 1));
}

void QtCanvas::Polygon(const std::vector<PixelPoint>& corners, Rgb border, Rgb fill) {
    if (corners.empty()) {
        return;
    }
    QPolygon polygon;
    for (const PixelPoint& corner : corners) {
        polygon << QPoint(corner.X, corner.Y);
    }
    Painter painter(&image_, font_);
    painter.setPen(ToQColor(border));
    painter.setBrush(ToQColor(fill));
    painter.drawPolygon(polygon);
}

TextExtent QtCanvas::MeasureText(const std::string& text) const {
    const QFontMetrics metrics(font_, &image_);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void QtCanvas::Text(PixelPoint topLeft, const std::string& text, Rgb color, Rgb background) {
    const QString shown = QString::fromStdString(text);
    const TextExtent extent = MeasureText(text);
    Painter painter(&image_, font_);
    painter.fillRect(QRect(topLeft.X, topLeft.Y, extent.Width, extent.Height),
                     ToQColor(background));
    painter.setPen(ToQColor(color));
    painter.drawText(QPoint(topLeft.X, topLeft.Y + painter.fontMetrics().ascent()), shown);
}

void QtCanvas::FloodFill(PixelPoint seed, Rgb border, Rgb fill) {
    const QRgb stop = qRgb(border.R, border.G, border.B);
    const QRgb paint = qRgb(fill.R, fill.G, fill.B);
    const auto colorAt = [this](int32_t x, int32_t y) {
        return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x] | 0xff000000u;
    };
    if (!Inside(seed.X, seed.Y) || colorAt(seed.X, seed.Y) == stop) {
        return;
    }
    // Span filling; a visited mark keeps pixels already of the fill colour from looping.
    const int32_t width = image_.width();
    std::vector<bool> visited(static_cast<size_t>(width) * static_cast<size_t>(image_.height()));
    const auto open = [&](int32_t x, int32_t y) {
        return Inside(x, y) && !visited[static_cast<size_t>(y) * width + x] &&
               colorAt(x, y) != stop;
    };
    std::vector<PixelPoint> pending{seed};
    while (!pending.empty()) {
        const PixelPoint start = pending.back();
        pending.pop_back();
        if (!open(start.X, start.Y)) {
            continue;
        }
        int32_t left = start.X;
        while (open(left - 1, start.Y)) {
            --left;
        }
        int32_t right = start.X;
        while (open(right + 1, start.Y)) {
            ++right;
        }
        for (int32_t x = left; x <= right; ++x) {
            visited[static_cast<size_t>(start.Y) * width + x] = true;
            Plot(x, start.Y, paint);
            for (const int32_t y : {start.Y - 1, start.Y + 1}) {
                // One seed per run of open pixels in the neighbouring row.
                if (open(x, y) && (x == left || !open(x - 1, y))) {
                    pending.push_back({x, y});
                }
            }
        }
    }
}

Rgb QtCanvas::Pixel(PixelPoint at) const {
    if (!Inside(at.X, at.Y)) {
        return Rgb{};
    }
    const QRgb value = image_.pixel(at.X, at.Y);
    return {static_cast<uint8_t>(qRed(value)), static_cast<uint8_t>(qGreen(value)),
            static_cast<uint8_t>(qBlue(value))};
}

} // namespace balka
