// The desktop program: its windows, created once and shown on demand, over the one Workspace.
// Where its files lie is decided at start, the same way the command line decides it.
#include "app/DesktopPart.h"
#include "model/Numbers.h"
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
#include "ui/SnowWindow.h"
#include "ui/TemplateWindow.h"
#include "workspace/ProgramFolders.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace balka {
namespace {

void ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

int RunDesktop(ProgramFolders folders) {
    ProvideReferenceFiles(folders);
    MainWindow main;
    QtMessageSink messages(&main);
    Workspace workspace(main, messages, folders);
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
                     [&workspace, &messages] { ShowHelp(workspace.Folders, messages); });
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

} // namespace
} // namespace balka

extern "C" int BalkaRunDesktop(int argc, char* argv[]) {
    using namespace balka;
    // This part keeps its own copy of the program's number settings.
    SetDecimalSeparator(DetectDecimalSeparator());
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
    return RunDesktop(
        ChooseProgramFolders(RunningExecutable().parent_path(), ProcessUserEnvironment()));
}
