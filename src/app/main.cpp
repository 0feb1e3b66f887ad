// Program start: the headless command line when the first argument is "--calc", otherwise the
// desktop program with its windows, created once and shown on demand.
#include "model/Numbers.h"
#include "model/Workspace.h"
#include "project/CommandLine.h"
#include "project/ProjectCommands.h"
#include "ui/CatalogueWindow.h"
#include "ui/DesignWindow.h"
#include "ui/GeometryWindow.h"
#include "ui/GuardedAction.h"
#include "ui/HolesWindow.h"
#include "ui/LoadsWindow.h"
#include "ui/MainWindow.h"
#include "ui/MaterialWindow.h"
#include "ui/ProjectFileDialogs.h"
#include "ui/QtCanvas.h"
#include "ui/QtMessageSink.h"
#include "ui/SnowWindow.h"
#include "ui/TemplateWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <iostream>
#include <string>
#include <vector>

namespace {

void ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

int RunDesktop(QApplication& app) {
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
    workspace.LoadReferenceData();
    DesignWindow design(workspace.Design, &main);
    SnowWindow snow(workspace, &main);
    TemplateWindow templates(workspace, &main);

    workspace.Design.MakeReportPicture = [](int32_t width, int32_t height) -> std::unique_ptr<Canvas> {
        return std::make_unique<QtCanvas>(width, height);
    };
    workspace.Design.ShowReport = [&main] { main.ShowReport(); };

    const auto connectWindow = [&main](Command command, QWidget& window) {
        QObject::connect(main.CommandAction(command), &QAction::triggered, &window, [&window] { ShowWindow(window); });
    };
    connectWindow(Command::Geometry, geometry);
    connectWindow(Command::Loads, loads);
    connectWindow(Command::Template, templates);
    connectWindow(Command::Holes, holes);
    connectWindow(Command::Design, design);
    connectWindow(Command::Catalogue, catalogue);
    connectWindow(Command::Material, material);
    QObject::connect(&loads, &LoadsWindow::SnowDialogRequested, &snow, &SnowWindow::ShowDialog);
    ConnectProjectFileCommands(main, workspace);

    main.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        RunGuarded(messages, [&] { OpenProjectAtStart(workspace, arguments.at(1).toStdString()); });
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    balka::SetDecimalSeparator(balka::DetectDecimalSeparator());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front().rfind("--", 0) == 0) {
        // The command line draws its pictures off screen and needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return balka::RunCommandLine(arguments, std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Драволит-Балка"));
    return RunDesktop(app);
}
