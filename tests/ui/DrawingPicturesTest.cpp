// The drawings on a real raster: the scheme's pixels, the selection chart's cells, the report
// picture as a JPEG file and the named pictures at their sizes.
#include "graphics/DiagramDrawing.h"
#include "graphics/ReportPicture.h"
#include "graphics/ResourceBitmaps.h"
#include "graphics/SchemeDrawing.h"
#include "graphics/SelectionChart.h"
#include "model/Numbers.h"
#include "ui/QtCanvas.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace balka {
namespace {

constexpr Rgb Sentinel{255, 0, 255};

TBeam SingleSpanWithPointLoad() {
    TBeam beam;
    beam.SpanCount = 1;
    beam.TotalLength = 6000;
    TSpan span;
    span.Length = 6000;
    TLoad load;
    load.Type = LoadPoint;
    load.DesignValue = 1000;
    load.Start = 3000;
    span.Loads.push_back(load);
    // Statics by hand: P L / 4 = 1500 kg*m under the load, P / 2 = 500 kg either side.
    span.SampleX = {0, 3000, 6000};
    span.M = {0, 1500, 0};
    span.QLeft = {500, 500, -500};
    span.QRight = {500, -500, -500};
    span.QSeries = {500, 500, -500};
    span.XMax = 3000;
    span.MMax = 1500;
    beam.Spans.push_back(span);
    beam.MaxAbsM = 1500;
    beam.MaxAbsQ = 500;
    return beam;
}

} // namespace

class DrawingPicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetDecimalSeparator(','); }

    void DrawsTheBeamLineFromColumn21() {
        TBeam beam = SingleSpanWithPointLoad();
        DrawingStyle style;
        QtCanvas canvas(594, 449);
        QVERIFY(DrawScheme(beam, style, canvas) == SchemeResult::Continue);
        for (int32_t y = 80; y <= 82; ++y) {
            QVERIFY(canvas.Pixel({20, y}) == style.BackColor);
            QVERIFY(canvas.Pixel({21, y}) == style.SchemeColor);
            QVERIFY(canvas.Pixel({575, y}) == style.SchemeColor);
            QVERIFY(canvas.Pixel({576, y}) == style.BackColor);
        }
        QVERIFY(canvas.Pixel({21, 79}) == style.BackColor);
        QVERIFY(canvas.Pixel({21, 83}) == style.SchemeColor); // top of the hinge circle
        // The point load's bar: columns 297 to 299, 33 pixels up from 79.
        QVERIFY(canvas.Pixel({298, 46}) == style.PointLoadColor);
        QVERIFY(canvas.Pixel({299, 78}) == style.PointLoadColor);
        QVERIFY(canvas.Pixel({298, 45}) != style.PointLoadColor);
        QVERIFY(canvas.Pixel({298, 79}) != style.PointLoadColor);
    }

    void DrawsTheDiagramsInTheirColours() {
        TBeam beam = SingleSpanWithPointLoad();
        DrawingStyle style;
        QtCanvas canvas(594, 449);
        DrawScheme(beam, style, canvas);
        DrawDiagrams(beam, style, canvas);
        // Zero lines 3 pixels thick on 233 and 380.
        for (int32_t y = 232; y <= 234; ++y) {
            QVERIFY(canvas.Pixel({100, y}) == style.MomentColor);
        }
        QVERIFY(canvas.Pixel({100, 235}) == style.BackColor);
        QVERIFY(canvas.Pixel({100, 379}) == style.ShearColor);
        // The moment ordinate under the load reaches 233 + 53; the shear on its left 380 - 52.
        QVERIFY(canvas.Pixel({298, 285}) == style.MomentColor);
        QVERIFY(canvas.Pixel({200, 328}) == style.ShearColor);
    }

    void ColoursTheChartCellsByTheirCodes() {
        SelectionChartData chart;
        chart.Widths = {90, 120};
        chart.Heights = {200, 240, 300};
        chart.Codes = {
            {SelectionPasses, SelectionFailsStabilityOrDeflection, SelectionFailsStrength},
            {SelectionNotAvailable, SelectionPasses, SelectionFailsStrength}};
        QtCanvas canvas(400, 300);
        DrawSelectionChart(chart, canvas);

        const SelectionChartLayout layout = LayOutSelectionChart(chart, 400, 300);
        QCOMPARE(layout.CellWidth, 352.0f / 3); // (400 - 8 - 10 - 30) / 3
        QCOMPARE(layout.CellHeight, 108.0f);    // (300 - 8 - 20 - 56) / 2
        const Rgb expected[2][3] = {{ChartGreen, ChartYellow, ChartRed},
                                    {WhiteColor, ChartGreen, ChartRed}};
        for (int32_t row = 0; row < 2; ++row) {
            for (int32_t column = 0; column < 3; ++column) {
                const PixelPoint centre = SelectionCellCentre(layout, row, column);
                QVERIFY(canvas.Pixel(centre) == expected[row][column]);
                // The colour reaches the cell's corner inside the grid lines.
                const PixelPoint corner{
                    static_cast<int32_t>(38 + static_cast<float>(column) * layout.CellWidth) + 1,
                    static_cast<int32_t>(8 + static_cast<float>(row) * layout.CellHeight) + 1};
                QVERIFY(canvas.Pixel(corner) == expected[row][column]);
            }
        }
        QVERIFY(canvas.Pixel({38, 100}) == BlackColor); // first vertical line
        QVERIFY(canvas.Pixel({100, 8}) == BlackColor);  // top line
        QVERIFY(canvas.Pixel({20, 20}) == WhiteColor);  // label column, above its text
        QVERIFY(canvas.Pixel({48, 255}) == ChartGreen); // legend boxes
        QVERIFY(canvas.Pixel({48, 272}) == ChartYellow);
        QVERIFY(canvas.Pixel({48, 289}) == ChartRed);
        QVERIFY(canvas.Pixel({38, 250}) == BlackColor); // their border
    }

    void KeepsTheColourInsideItsCellBesideAWideLabel() {
        SelectionChartData chart;
        chart.Widths = {123456}; // wider than the 30-pixel label column
        chart.Heights = {200};
        chart.Codes = {{SelectionPasses}};
        QtCanvas canvas(300, 200);
        DrawSelectionChart(chart, canvas);

        QVERIFY(canvas.Pixel({60, 60}) == ChartGreen);
        QVERIFY(canvas.Pixel({38, 60}) == BlackColor);
        for (int32_t x = 0; x < 38; ++x) {
            QVERIFY(canvas.Pixel({x, 10}) != ChartGreen);
            QVERIFY(canvas.Pixel({x, 60}) != ChartGreen);
        }
    }

    void WritesTheReportPictureAsA600By550Jpeg() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::filesystem::path file =
            std::filesystem::path(folder.path().toStdString()) / ReportPictureFileName;
        TBeam beam = SingleSpanWithPointLoad();
        DrawingStyle style;
        QtCanvas picture(ReportPictureWidth, ReportPictureHeight);

        WriteReportPicture(beam, style, picture, file);

        QImageReader reader(QString::fromStdString(file.string()));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(600, 550));
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(Qt::white));
        // The bar at 21 + 3000 / (6000 / 560), in the report colour.
        QVERIFY(picture.Pixel({301, 46}) == BlackColor);
        QVERIFY(style.PointLoadColor == BlueColor); // the screen colours are back
    }

    void DrawsEveryNamedPictureAtItsOwnSize() {
        const std::map<std::string, QSize> sizes = {
            {"GLL", {193, 65}},  {"PLL", {193, 65}}, {"DL", {193, 65}},   {"L1", {411, 75}},
            {"KL3", {411, 75}},  {"L5K", {411, 75}}, {"KL5K", {411, 75}}, {"HOLES", {193, 100}},
            {"LOGO", {225, 77}}, {"LVL", {48, 48}}};
        QCOMPARE(ResourceBitmapNames().size(), size_t{44});
        for (const std::string& name : ResourceBitmapNames()) {
            const std::optional<TextExtent> size = ResourceBitmapSize(name);
            QVERIFY2(size.has_value(), name.c_str());
            if (sizes.contains(name)) {
                QCOMPARE(QSize(size->Width, size->Height), sizes.at(name));
            }
            QtCanvas canvas(size->Width + 10, size->Height + 10);
            canvas.FillRect({0, 0, canvas.Width(), canvas.Height()}, Sentinel);
            QVERIFY(DrawResourceBitmap(name, canvas));
            // The picture covers its own area and nothing beyond it.
            QVERIFY2(canvas.Pixel({0, 0}) != Sentinel, name.c_str());
            QVERIFY2(canvas.Pixel({size->Width - 1, size->Height - 1}) != Sentinel, name.c_str());
            QVERIFY2(canvas.Pixel({size->Width, size->Height - 1}) == Sentinel, name.c_str());
            QVERIFY2(canvas.Pixel({size->Width - 1, size->Height}) == Sentinel, name.c_str());
        }
    }

    // Every command of the main window has its own pictogram: 20 x 20, something drawn on the
    // background, and no two alike.
    void DrawsADistinctPictogramForEveryCommand() {
        const std::vector<std::string> names = {
            "CMD_NEW",       "CMD_OPEN",      "CMD_SAVE",     "CMD_SAVEAS", "CMD_DIAGRAMS",
            "CMD_REPORT",    "CMD_PREVIEW",   "CMD_PRINT",    "CMD_PDF",    "CMD_WORD",
            "CMD_GEOMETRY",  "CMD_LOADS",     "CMD_TEMPLATE", "CMD_HOLES",  "CMD_DESIGN",
            "CMD_REACTIONS", "CMD_CATALOGUE", "CMD_MATERIAL"};
        std::vector<QImage> drawn;
        for (const std::string& name : names) {
            const std::optional<TextExtent> size = ResourceBitmapSize(name);
            QVERIFY2(size.has_value(), name.c_str());
            QCOMPARE(QSize(size->Width, size->Height), QSize(20, 20));
            QtCanvas canvas(20, 20);
            QVERIFY(DrawResourceBitmap(name, canvas));
            const Rgb background = canvas.Pixel({0, 0});
            int inked = 0;
            for (int32_t y = 0; y < 20; ++y) {
                for (int32_t x = 0; x < 20; ++x) {
                    inked += canvas.Pixel({x, y}) != background ? 1 : 0;
                }
            }
            QVERIFY2(inked >= 40, name.c_str());
            for (const QImage& other : drawn) {
                QVERIFY2(other != canvas.Image(), name.c_str());
            }
            drawn.push_back(canvas.Image());
        }
    }

    void RefusesAnUnknownPictureName() {
        QtCanvas canvas(50, 50);
        canvas.FillRect({0, 0, 50, 50}, Sentinel);
        QVERIFY(!DrawResourceBitmap("L6", canvas));
        QVERIFY(!DrawResourceBitmap("KK", canvas));
        QVERIFY(!ResourceBitmapSize("gll").has_value());
        QVERIFY(canvas.Pixel({10, 10}) == Sentinel);
    }
};

} // namespace balka

QTEST_MAIN(balka::DrawingPicturesTest)
#include "DrawingPicturesTest.moc"
