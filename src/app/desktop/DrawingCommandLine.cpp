// The command line of a calculation that draws (the report picture, the selection chart, the
// report as PDF): the same command line as main runs, lent the toolkit's off-screen raster and
// its page layout. No display is needed.
#include "app/DesktopPart.h"
#include "model/Numbers.h"
#include "project/CommandLine.h"
#include "ui/QtCanvas.h"
#include "ui/ReportDocument.h"
#include "ui/ReportPages.h"
#include "workspace/ProgramFolders.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>
#include <iostream>
#include <string>
#include <vector>

namespace balka {
namespace {

// The picture's pixels as a PNG file's bytes; empty when Qt cannot encode them.
std::string EncodePng(const Canvas& picture) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < picture.Height(); ++y) {
        for (int32_t x = 0; x < picture.Width(); ++x) {
            const Rgb pixel = picture.Pixel({x, y});
            image.setPixel(x, y, qRgb(pixel.R, pixel.G, pixel.B));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes.toStdString();
}

// Qt's own notices (a missing runtime folder and the like) would mix with the reasons the
// command line writes on stderr.
void DropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace
} // namespace balka

extern "C" int BalkaRunDrawingCommandLine(int argc, char* argv[]) {
    using namespace balka;
    // This part keeps its own copy of the program's number settings.
    SetDecimalSeparator(DetectDecimalSeparator());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropQtMessage);
    QGuiApplication app(argc, argv);
    CommandLineSetup setup;
    setup.Folders =
        ChooseProgramFolders(RunningExecutable().parent_path(), ProcessUserEnvironment());
    setup.Pictures.MakeCanvas = [](int32_t width, int32_t height) -> std::unique_ptr<Canvas> {
        return std::make_unique<QtCanvas>(width, height);
    };
    setup.Pictures.EncodePng = EncodePng;
    setup.Pictures.WriteReportPdf = [](const std::filesystem::path& report,
                                       const std::filesystem::path& pdf) {
        WriteReportPdf(*LoadReportDocument(report), pdf);
    };
    return RunCommandLine(arguments, std::cout, std::cerr, setup);
}
