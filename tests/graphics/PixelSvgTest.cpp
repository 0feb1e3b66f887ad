#include "graphics/PixelSvg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace balka {
namespace {

// A picture given as rows of letters, each letter one colour.
class LetterCanvas : public Canvas {
  public:
    explicit LetterCanvas(std::vector<std::string> rows) : rows_(std::move(rows)) {}
    int32_t Width() const override { return static_cast<int32_t>(rows_[0].size()); }
    int32_t Height() const override { return static_cast<int32_t>(rows_.size()); }
    void Line(PixelPoint, PixelPoint, Rgb, int32_t) override {}
    void FillRect(PixelRect, Rgb) override {}
    void Rectangle(PixelRect, Rgb, Rgb) override {}
    void Ellipse(PixelRect, Rgb, Rgb) override {}
    void Polygon(const std::vector<PixelPoint>&, Rgb, Rgb) override {}
    TextExtent MeasureText(const std::string&) const override { return {}; }
    void Text(PixelPoint, const std::string&, Rgb, Rgb) override {}
    void FloodFill(PixelPoint, Rgb, Rgb) override {}
    Rgb Pixel(PixelPoint at) const override {
        switch (rows_[static_cast<size_t>(at.Y)][static_cast<size_t>(at.X)]) {
        case 'w':
            return {255, 255, 255};
        case 'b':
            return {112, 62, 22};
        default:
            return {0, 0, 0};
        }
    }

  private:
    std::vector<std::string> rows_;
};

// A white sheet outlined in brown on a white background: the background outside the outline
// is clear, the sheet's white inside is not.
const LetterCanvas kSheet({"wwwww", "wbbbw", "wbwbw", "wbbbw", "wwwww"});

TEST(PixelSvgTest, OuterBackgroundStopsAtTheOutline) {
    const PixelMask clear = OuterBackground(kSheet);
    EXPECT_TRUE(clear.At({0, 0}));
    EXPECT_TRUE(clear.At({4, 2}));
    EXPECT_FALSE(clear.At({1, 1}));
    EXPECT_FALSE(clear.At({2, 2}));
    EXPECT_EQ(std::count(clear.Flags.begin(), clear.Flags.end(), true), 16);
}

TEST(PixelSvgTest, RunsOfEqualPixelsBecomeOneRectangle) {
    const std::string svg = EncodePixelSvg(kSheet, OuterBackground(kSheet));
    EXPECT_NE(svg.find("viewBox=\"0 0 5 5\""), std::string::npos);
    const std::string expectedRows =
        "<rect x=\"1\" y=\"1\" width=\"3\" height=\"1\" fill=\"#703e16\"/>\n"
        "<rect x=\"1\" y=\"2\" width=\"1\" height=\"1\" fill=\"#703e16\"/>\n"
        "<rect x=\"2\" y=\"2\" width=\"1\" height=\"1\" fill=\"#ffffff\"/>\n"
        "<rect x=\"3\" y=\"2\" width=\"1\" height=\"1\" fill=\"#703e16\"/>\n"
        "<rect x=\"1\" y=\"3\" width=\"3\" height=\"1\" fill=\"#703e16\"/>\n"
        "</svg>\n";
    ASSERT_GE(svg.size(), expectedRows.size());
    EXPECT_EQ(svg.substr(svg.size() - expectedRows.size()), expectedRows);
    // Nothing of the clear background is drawn.
    EXPECT_EQ(svg.find("y=\"0\""), std::string::npos);
}

TEST(PixelSvgTest, WithNothingClearEveryPixelIsDrawn) {
    const LetterCanvas row({"wwbbbx"});
    const PixelMask none{6, std::vector<bool>(6, false)};
    const std::string svg = EncodePixelSvg(row, none);
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"2\" height=\"1\" fill=\"#ffffff\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"2\" y=\"0\" width=\"3\" height=\"1\" fill=\"#703e16\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"5\" y=\"0\" width=\"1\" height=\"1\" fill=\"#000000\"/>"),
              std::string::npos);
}

} // namespace
} // namespace balka
