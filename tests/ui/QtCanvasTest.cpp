// The raster conventions of the Qt canvas: where lines, boxes, circles and texts land, the
// flood fill and the pixel read-out.
#include "ui/QtCanvas.h"

#include <QTest>

namespace balka {
namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Pink{255, 198, 199};
constexpr Rgb Green{0, 128, 0};

// The pixels of one row between two columns, '#' for `ink` and '.' for anything else.
QString Row(const QtCanvas& canvas, int32_t y, int32_t from, int32_t to, Rgb ink = Black) {
    QString row;
    for (int32_t x = from; x <= to; ++x) {
        row += canvas.Pixel({x, y}) == ink ? QLatin1Char('#') : QLatin1Char('.');
    }
    return row;
}

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void StartsWhiteAtItsSize() {
        const QtCanvas canvas(30, 20);
        QCOMPARE(canvas.Width(), 30);
        QCOMPARE(canvas.Height(), 20);
        QVERIFY(canvas.Pixel({0, 0}) == White);
        QVERIFY(canvas.Pixel({29, 19}) == White);
        QVERIFY(canvas.Pixel({30, 0}) == Black); // outside
    }

    void StopsALineJustBeforeItsEnd() {
        QtCanvas canvas(30, 20);
        canvas.Line({2, 5}, {8, 5}, Black, 1);
        QCOMPARE(Row(canvas, 5, 0, 9), QStringLiteral("..######.."));
        canvas.Line({4, 10}, {4, 14}, Black, 1);
        QVERIFY(canvas.Pixel({4, 13}) == Black);
        QVERIFY(canvas.Pixel({4, 14}) == White);
    }

    void CentresAThickPen() {
        QtCanvas canvas(30, 20);
        canvas.Line({5, 10}, {15, 10}, Black, 3);
        QVERIFY(canvas.Pixel({10, 9}) == Black);
        QVERIFY(canvas.Pixel({10, 10}) == Black);
        QVERIFY(canvas.Pixel({10, 11}) == Black);
        QVERIFY(canvas.Pixel({10, 8}) == White);
        QVERIFY(canvas.Pixel({10, 12}) == White);
    }

    void CoversABoxWithoutItsRightColumnAndBottomRow() {
        QtCanvas canvas(30, 20);
        canvas.Rectangle({2, 2, 8, 6}, Black, Pink);
        QCOMPARE(Row(canvas, 2, 0, 9), QStringLiteral("..######.."));
        QCOMPARE(Row(canvas, 3, 0, 9), QStringLiteral("..#....#.."));
        QVERIFY(canvas.Pixel({4, 3}) == Pink);
        QCOMPARE(Row(canvas, 5, 0, 9), QStringLiteral("..######.."));
        QCOMPARE(Row(canvas, 6, 0, 9), QStringLiteral(".........."));
        canvas.FillRect({20, 2, 23, 4}, Green);
        QCOMPARE(Row(canvas, 3, 19, 24, Green), QStringLiteral(".###.."));
        QCOMPARE(Row(canvas, 4, 19, 24, Green), QStringLiteral("......"));
    }

    void DrawsAHingeCircleSymmetricAboutItsColumn() {
        QtCanvas canvas(30, 20);
        // The hinge of a support at x = 10: box 6..15, so columns 6 to 14.
        canvas.Ellipse({6, 2, 15, 11}, Black, Pink);
        QCOMPARE(Row(canvas, 6, 5, 15), QStringLiteral(".#.......#."));
        QVERIFY(canvas.Pixel({10, 2}) == Black);
        QVERIFY(canvas.Pixel({10, 10}) == Black);
        QVERIFY(canvas.Pixel({10, 11}) == White);
        QVERIFY(canvas.Pixel({10, 6}) == Pink);
    }

    void FillsATextBoxWithItsBackground() {
        QtCanvas canvas(200, 40);
        const TextExtent extent = canvas.MeasureText("150 (2)");
        QVERIFY(extent.Width > 20);
        QVERIFY(extent.Height >= 10 && extent.Height <= 24);
        canvas.Text({10, 5}, "150 (2)", Black, Pink);
        QVERIFY(canvas.Pixel({10, 5}) == Pink);
        QVERIFY(canvas.Pixel({10 + extent.Width - 1, 5 + extent.Height - 1}) == Pink);
        QVERIFY(canvas.Pixel({10 + extent.Width, 5}) == White);
        int32_t ink = 0;
        for (int32_t y = 5; y < 5 + extent.Height; ++y) {
            for (int32_t x = 10; x < 10 + extent.Width; ++x) {
                const Rgb pixel = canvas.Pixel({x, y});
                QVERIFY2(pixel == Black || pixel == Pink, "no smoothed glyph edges");
                ink += pixel == Black ? 1 : 0;
            }
        }
        QVERIFY(ink > 20);
        QVERIFY(canvas.MeasureText("Эпюра").Width > canvas.MeasureText("Эп").Width);
    }

    void FloodsUpToTheBorderColour() {
        QtCanvas canvas(40, 30);
        canvas.Rectangle({5, 5, 20, 15}, Black, White);
        canvas.Line({12, 6}, {12, 14}, Pink, 1); // another colour does not stop the fill
        canvas.FloodFill({8, 8}, Black, Green);
        QVERIFY(canvas.Pixel({6, 6}) == Green);
        QVERIFY(canvas.Pixel({18, 13}) == Green);
        QVERIFY(canvas.Pixel({12, 8}) == Green);
        QVERIFY(canvas.Pixel({5, 5}) == Black);
        QVERIFY(canvas.Pixel({4, 8}) == White);
        QVERIFY(canvas.Pixel({25, 25}) == White);
        // A seed on the border fills nothing.
        canvas.FloodFill({5, 8}, Black, Pink);
        QVERIFY(canvas.Pixel({4, 8}) == White);
        QVERIFY(canvas.Pixel({6, 8}) == Green);
    }

    void FillsAPolygonInsideItsOutline() {
        QtCanvas canvas(40, 30);
        canvas.Polygon({{5, 5}, {25, 5}, {15, 20}}, Black, Pink);
        QVERIFY(canvas.Pixel({15, 5}) == Black);
        QVERIFY(canvas.Pixel({15, 10}) == Pink);
        QVERIFY(canvas.Pixel({15, 25}) == White);
    }
};

} // namespace balka

QTEST_MAIN(balka::QtCanvasTest)
#include "QtCanvasTest.moc"
