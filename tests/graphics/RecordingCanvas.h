// A canvas for the drawing tests that remembers every call instead of painting. Texts measure
// 7 pixels per character and 13 high, so positions that depend on a text's size can be worked
// out by hand. Its pixels are a fixed pattern, enough to feed the JPEG writer.
#pragma once

#include "graphics/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace balka::testing {

struct RecordedLine {
    PixelPoint From;
    PixelPoint To;
    Rgb Color;
    int32_t PenWidth = 0;
};

enum class BoxKind { Fill, Rectangle, Ellipse };

struct RecordedBox {
    BoxKind Kind = BoxKind::Fill;
    PixelRect Box;
    Rgb Border;
    Rgb Fill;
};

struct RecordedText {
    PixelPoint At;
    std::string Text;
    Rgb Color;
    Rgb Background;
};

class RecordingCanvas : public Canvas {
  public:
    static constexpr int32_t CharWidth = 7;
    static constexpr int32_t TextHeight = 13;

    RecordingCanvas(int32_t width, int32_t height) : width_(width), height_(height) {}

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    void Line(PixelPoint from, PixelPoint to, Rgb color, int32_t penWidth) override {
        Lines.push_back({from, to, color, penWidth});
    }
    void FillRect(PixelRect box, Rgb fill) override {
        Boxes.push_back({BoxKind::Fill, box, fill, fill});
    }
    void Rectangle(PixelRect box, Rgb border, Rgb fill) override {
        Boxes.push_back({BoxKind::Rectangle, box, border, fill});
    }
    void Ellipse(PixelRect box, Rgb border, Rgb fill) override {
        Boxes.push_back({BoxKind::Ellipse, box, border, fill});
    }
    void Polygon(const std::vector<PixelPoint>& corners, Rgb, Rgb) override {
        Polygons.push_back(corners);
    }
    TextExtent MeasureText(const std::string& text) const override {
        int32_t characters = 0;
        for (const char byte : text) {
            characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
        }
        return {characters * CharWidth, TextHeight};
    }
    void Text(PixelPoint topLeft, const std::string& text, Rgb color, Rgb background) override {
        Texts.push_back({topLeft, text, color, background});
    }
    void FloodFill(PixelPoint seed, Rgb border, Rgb fill) override {
        Fills.push_back({BoxKind::Fill, {seed.X, seed.Y, seed.X, seed.Y}, border, fill});
    }
    Rgb Pixel(PixelPoint at) const override {
        return {static_cast<uint8_t>(at.X), static_cast<uint8_t>(at.Y),
                static_cast<uint8_t>(at.X + at.Y)};
    }

    // The texts whose top row is y, left to right as drawn.
    std::vector<std::string> TextsAtRow(int32_t y) const {
        std::vector<std::string> found;
        for (const RecordedText& text : Texts) {
            if (text.At.Y == y) {
                found.push_back(text.Text);
            }
        }
        return found;
    }
    void Clear() {
        Lines.clear();
        Boxes.clear();
        Texts.clear();
        Polygons.clear();
        Fills.clear();
    }

    std::vector<RecordedLine> Lines;
    std::vector<RecordedBox> Boxes;
    std::vector<RecordedText> Texts;
    std::vector<std::vector<PixelPoint>> Polygons;
    std::vector<RecordedBox> Fills;

  private:
    int32_t width_;
    int32_t height_;
};

} // namespace balka::testing
