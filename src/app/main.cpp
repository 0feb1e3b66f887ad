// Program start: the headless command line when the first argument is "--calc" (with an
// off-screen graphics application for its pictures and its PDF file), otherwise the desktop program
// with its windows, created once and shown on demand.
#include "model/Numbers.h"
#include "project/CommandLine.h"
#include "project/FileTypeCommands.h"
#include "project/ProjectCommands.h"
#include "project/ToolRunner.h"
#include "ui/AboutDialog.h"
#include "ui/CatalogueWindow.h"
#include "ui/ClassExplanationDialog.h"
#include "ui/DesignWindow.h"
#include "ui/DesktopIntegration.h"
#include "ui/GeometryWindow.h"
#include "ui/GuardedAction.h"
#include "ui/HolesWindow.h"
#include "ui/LoadsWindow.h"
#include "ui/MainWindow.h"
#include "ui/MaterialWindow.h"
#include "ui/ProjectFileDialogs.h"
#include "ui/QtCanvas.h"
#include "ui/QtMessageSink.h"
#include "ui/ReactionsWindow.h"
#include "ui/ReportDocument.h"
#include "ui/ReportPages.h"
#include "ui/SnowWindow.h"
#include "ui/TemplateWindow.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTextDocument>
#include <QTranslator>
#include <iostream>
#include <string>
#include <vector>

namespace {

void ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

int RunDesktop() {
    using namespace balka;
    MainWindow main;
    QtMessageSink messages(&main);
    Workspace workspace(main, messages, QCoreApplication::applicationDirPath().toStdString());
    main.AttachWorkspace(workspace);

    GeometryWindow geometry(workspace, &main);
    LoadsWindow loads(workspace, &main);
    CatalogueWindow catalogue(workspace.Catalogue, &main);
    MaterialWindow material(workspace.Material, &main);
    HolesWindow holes(workspace, &main);
    AboutDialog about(&main);
    ClassExplanationDialog serviceClass(ClassExplanation::ServiceClass, &main);
    // The design dialog fills its lists from the reference files, read just before it.
    workspace.LoadReferenceData();
    DesignWindow design(workspace.Design, &main);
    ClassExplanationDialog responsibilityClass(ClassExplanation::ResponsibilityClass, &main);
    SnowWindow snow(workspace, &main);
    TemplateWindow templates(workspace, &main);
    ReactionsWindow reactions(workspace, &main);

    SpawnedToolRunner desktopTools;
    FileTypeCommands fileType(CurrentFileTypeSetup(), messages, desktopTools);
    // A registered file type is written again, so it points at this copy of the program.
    fileType.RefreshAtStart();

    workspace.Design.MakeReportPicture = [](int32_t width,
                                            int32_t height) -> std::unique_ptr<Canvas> {
        return std::make_unique<QtCanvas>(width, height);
    };
    workspace.Design.ShowReport = [&main] { main.ShowReport(); };

    const auto connectWindow = [&main](Command command, QWidget& window) {
        QObject::connect(main.CommandAction(command), &QAction::triggered, &window,
                         [&window] { ShowWindow(window); });
    };
    connectWindow(Command::Geometry, geometry);
    connectWindow(Command::Loads, loads);
    connectWindow(Command::Template, templates);
    connectWindow(Command::Holes, holes);
    connectWindow(Command::Design, design);
    connectWindow(Command::Reactions, reactions);
    connectWindow(Command::Catalogue, catalogue);
    connectWindow(Command::Material, material);
    QObject::connect(&loads, &LoadsWindow::SnowDialogRequested, &snow, &SnowWindow::ShowDialog);
    QObject::connect(&design, &DesignWindow::serviceClassHelpRequested, &serviceClass,
                     &InfoDialog::ShowDialog);
    QObject::connect(&design, &DesignWindow::responsibilityClassHelpRequested, &responsibilityClass,
                     &InfoDialog::ShowDialog);
    QObject::connect(main.CommandAction(Command::About), &QAction::triggered, &about,
                     &InfoDialog::ShowDialog);
    QObject::connect(main.CommandAction(Command::Register), &QAction::triggered, &main,
                     [&fileType] { fileType.RegisterCommand(); });
    QObject::connect(main.CommandAction(Command::Unregister), &QAction::triggered, &main,
                     [&fileType] { fileType.UnregisterCommand(); });
    QObject::connect(main.CommandAction(Command::Help), &QAction::triggered, &main,
                     [&messages] { ShowHelp(messages); });
    ConnectProjectFileCommands(main, workspace);

    // The program opens in the middle of the screen it starts on.
    if (const QScreen* screen = main.screen()) {
        main.move(screen->availableGeometry().center() - main.rect().center());
    }
    main.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        RunGuarded(messages, [&] { OpenProjectAtStart(workspace, arguments.at(1).toStdString()); });
    }
    return QApplication::exec();
}

// The picture's pixels as a PNG file's bytes; empty when Qt cannot encode them.
std::string EncodePng(const balka::Canvas& picture) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < picture.Height(); ++y) {
        for (int32_t x = 0; x < picture.Width(); ++x) {
            const balka::Rgb pixel = picture.Pixel({x, y});
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

// No display is needed: the pictures are drawn off screen.
int RunHeadless(int argc, char* argv[], const std::vector<std::string>& arguments) {
    using namespace balka;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropQtMessage);
    QGuiApplication app(argc, argv);
    CommandLineSetup setup;
    setup.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
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

} // namespace

int main(int argc, char* argv[]) {
    balka::SetDecimalSeparator(balka::DetectDecimalSeparator());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front() == balka::kCalcOption) {
        return RunHeadless(argc, argv, arguments);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Драволит-Балка"));
    // The settings (last folder, last projects) live in ~/.config/dravolit-balka.
    QApplication::setOrganizationName(QStringLiteral("dravolit-balka"));
    // The toolkit's own dialogs (files, print preview, message buttons) speak Russian like the
    // rest of the program when the toolkit's translations are installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitTexts);
    }
    return RunDesktop();
}
