// Wiring of the main window: commands, status panels, the drawing after a recalculation and
// the new-project command, the place of the report view.
#include "ui/MainWindow.h"
#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QtTest>

using namespace balka;

namespace {

// A window showing a calculated report, with its picture, from the report folder of a program
// folder of its own.
struct ReportBench {
    TempFolder program;
    MainWindow window;
    RecordingMessageSink messages;
    std::unique_ptr<Workspace> ws;

    ReportBench() {
        std::filesystem::create_directories(ReportFolder());
        QImage picture(600, 550, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(QString::fromStdString((ReportFolder() / "picture.jpg").string()), "JPG");
        ws = std::make_unique<Workspace>(window, messages, BuildTreeFolders(program.Path()));
        window.AttachWorkspace(*ws);
        ws->Beam.Calculated = true;
        ws->BeamCalc.Report =
            "<html><body><div align=\"center\"><img src=\"picture.jpg\"></div><br>"
            "<b><u>Итоговая сводная таблица</u></b><br><br><table border=\"1\"><tr><td>М</td>"
            "</tr><tr><td>540 &lt; 2742,9</td></tr></table></body></html>";
        window.ShowReport();
    }
    ~ReportBench() { ws.reset(); }

    std::filesystem::path ReportFolder() const { return program.Path() / "temp"; }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetDecimalSeparator(','); }

    void startsWithTheTitleStatusAndDisabledReportCommands() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Драволит-Балка"));
        QCOMPARE(window.StatusText(PanelAngle), QStringLiteral("Угол - 0°"));
        QCOMPARE(window.StatusText(PanelStatus), QStringLiteral("Статус - формирование схемы"));
        for (Command command :
             {Command::Preview, Command::Print, Command::ExportPdf, Command::ExportWord}) {
            QVERIFY(!window.CommandAction(command)->isEnabled());
        }
        QStringList fileMenu;
        for (QAction* item : window.menuBar()->actions().constFirst()->menu()->actions()) {
            if (!item->isSeparator()) {
                fileMenu << item->text();
            }
        }
        QCOMPARE(fileMenu, (QStringList{"Новый проект", "Загрузить", "Сохранить", "Сохранить как",
                                        "Эпюры", "Отчет", "Предварительный просмотр", "Печать",
                                        "Экспорт в PDF", "Экспорт в Word",
                                        "Последние проекты", "Выход"}));
        QStringList menus;
        for (QAction* menu : window.menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, (QStringList{"&Файл", "&Правка", "Пр&оект", "&Сервис", "&Регистрация",
                                     "По&мощь"}));
        QCOMPARE(window.CommandAction(Command::Material)->text(),
                 QStringLiteral("Характеристики материала"));
    }

    // The toolbar shows pictograms only, each button telling its hint as a tooltip, the menu item
    // of the same command showing the same picture; at the starting width every button is in
    // sight, none behind the overflow arrow.
    void toolbarButtonsArePictogramsWithTheirHints() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* toolbar = window.findChild<QToolBar*>();
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        const std::vector<std::pair<Command, QString>> hints = {
            {Command::NewProject, "Новый"},
            {Command::Open, "Открыть"},
            {Command::Save, "Сохранить"},
            {Command::SaveAs, "Сохранить как"},
            {Command::Diagrams, "Эпюры"},
            {Command::Report, "Отчет"},
            {Command::Preview, "Предварительный просмотр"},
            {Command::Print, "Печать"},
            {Command::ExportPdf, "Экспорт в PDF"},
            {Command::ExportWord, "Экспорт в Word"},
            {Command::Undo, "Отменить"},
            {Command::Redo, "Повторить"},
            {Command::Geometry, "Геометрия"},
            {Command::Loads, "Нагрузки"},
            {Command::Template, "Шаблон"},
            {Command::Holes, "Отверстия"},
            {Command::Design, "Расчет"},
            {Command::Reactions, "Реакции опор"},
            {Command::Catalogue, "Сортамент"},
            {Command::Material, "Характеристики Dravolit"}};
        QList<QAction*> buttons;
        for (QAction* action : toolbar->actions()) {
            if (!action->isSeparator()) {
                buttons << action;
            }
        }
        QCOMPARE(buttons.size(), qsizetype(hints.size()));
        for (qsizetype k = 0; k < buttons.size(); ++k) {
            const auto& [command, hint] = hints[static_cast<size_t>(k)];
            QAction* button = buttons[k];
            QCOMPARE(button->toolTip(), hint);
            QVERIFY2(!button->icon().isNull(), qPrintable(hint));
            const QImage picture = button->icon().pixmap(20, 20).toImage();
            QCOMPARE(picture.size(), QSize(20, 20));
            QCOMPARE(window.CommandAction(command)->icon().pixmap(20, 20).toImage(), picture);
            QWidget* shown = toolbar->widgetForAction(button);
            QVERIFY2(shown != nullptr && shown->isVisible(), qPrintable(hint));
            QVERIFY2(toolbar->rect().contains(shown->geometry()), qPrintable(hint));
        }
    }

    void recalculationDrawsTheSchemeAndDiagrams() {
        MainWindow window;
        window.resize(594, 497);
        window.show();
        RecordingMessageSink messages;
        Workspace ws(window, messages);
        window.AttachWorkspace(ws);
        AppendSpan(ws, "6");
        ws.Beam.LoadCount = 1;
        const std::vector<std::string> load = {"1", "0", "1", "100", "1", "1", " ", " "};
        for (int column = 0; column < 8; ++column) {
            ws.Loads.Grid.SetCell(column, 1, load[static_cast<size_t>(column)]);
        }
        ws.Recalculate();
        QCOMPARE(window.StatusText(PanelStatus), QStringLiteral("Статус - готов к расчету"));
        const QImage& picture = window.Picture();
        const QRgb back = picture.pixel(picture.width() - 1, picture.height() - 1);
        int drawn = 0;
        for (int x = 0; x < picture.width(); ++x) {
            drawn += picture.pixel(x, ws.Style.BeamY) != back ? 1 : 0;
        }
        QVERIFY2(drawn > 100, "the beam line is drawn");
        QVERIFY(messages.Messages.empty());
    }

    void newProjectEmptiesTheTablesAndTheCaption() {
        MainWindow window;
        RecordingMessageSink messages;
        Workspace ws(window, messages);
        window.AttachWorkspace(ws);
        AppendSpan(ws, "4");
        ws.Beam.FilePath = "/tmp/проект.lvl";
        ws.Beam.FileName = "проект.lvl";
        ws.Recalculate();
        QCOMPARE(window.windowTitle(), QStringLiteral("Драволит-Балка - проект.lvl*"));
        window.CommandAction(Command::NewProject)->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("Драволит-Балка"));
        QCOMPARE(ws.Beam.SpanCount, 0);
        QCOMPARE(window.StatusText(PanelLength), QStringLiteral("Длина - 0 м"));
        QCOMPARE(window.StatusText(PanelMass), QStringLiteral("Масса - 0 кг"));
    }

    // The report opens at its title, not under the toolbar nor scrolled past it, and reaches down
    // to the status bar, whatever heights the toolkit gives the bars.
    void reportViewFillsTheBandBetweenToolbarAndStatusBar() {
        MainWindow window;
        window.show();
        RecordingMessageSink messages;
        Workspace ws(window, messages);
        window.AttachWorkspace(ws);
        ws.Beam.Calculated = true;
        std::string html =
            "<html><body><div align=\"center\"><h2>Расчет балки</h2></div><div "
            "align=\"center\"><img src=\"нет.jpg\" width=\"600\" height=\"550\"></div>";
        for (int line = 0; line < 200; ++line) {
            html += "Строка отчета " + std::to_string(line) + "<br>";
        }
        ws.BeamCalc.Report = html + "</body></html>";
        window.ShowReport();
        QVERIFY(messages.Messages.empty());
        QVERIFY(window.ReportShown());
        const QRect report = window.findChild<QTextBrowser*>()->geometry();
        QCOMPARE(report.top(), window.findChild<QToolBar*>()->geometry().bottom() + 1);
        QCOMPARE(report.bottom() + 1, window.statusBar()->geometry().top());
        QVERIFY(window.CommandAction(Command::Print)->isEnabled());
        QCOMPARE(window.findChild<QTextBrowser*>()->verticalScrollBar()->value(), 0);
    }

    // A shown report goes with any recalculation that stops, and with "Новый проект": the report
    // commands are off and the status bar tells the truth.
    void aStoppedRecalculationOrANewProjectLeavesTheReport() {
        MainWindow window;
        window.show();
        RecordingMessageSink messages;
        Workspace ws(window, messages);
        window.AttachWorkspace(ws);
        const auto showReport = [&] {
            ws.Beam.Calculated = true;
            ws.BeamCalc.Report = "<html><body>Отчет</body></html>";
            window.ShowReport();
            QVERIFY(window.ReportShown());
            QVERIFY(window.CommandAction(Command::Print)->isEnabled());
        };
        AppendSpan(ws, "4");
        ws.Recalculate();
        showReport();
        ws.Geometry.Grid.SetCell(1, 1, "4.5");
        QVERIFY_THROWS_EXCEPTION(ConversionError, ws.Recalculate());
        QVERIFY(!window.ReportShown());
        for (Command command : {Command::Preview, Command::Print, Command::ExportWord}) {
            QVERIFY(!window.CommandAction(command)->isEnabled());
        }
        QCOMPARE(window.StatusText(PanelStatus),
                 QStringLiteral("Статус - ошибка в исходных данных"));
        QCOMPARE(window.StatusText(PanelLength), QStringLiteral("Длина - ..."));

        showReport();
        window.CommandAction(Command::NewProject)->trigger();
        QVERIFY(!window.ReportShown());
        QVERIFY(!window.CommandAction(Command::Print)->isEnabled());
        QVERIFY(messages.Messages.empty());
    }

    // Supports that cannot carry load: the scheme stands, and in place of the diagrams a sentence
    // says why, also after the window is resized.
    void unstableSupportsAreExplainedUnderTheScheme() {
        MainWindow window;
        window.resize(594, 497);
        window.show();
        RecordingMessageSink messages;
        Workspace ws(window, messages);
        window.AttachWorkspace(ws);
        AppendSpan(ws, "4");
        ws.Geometry.LeftSupportIndex = 2;
        ws.Geometry.RightSupportIndex = 2;
        QCOMPARE(ws.Recalculate(), RecalcOutcome::StoppedUnstable);
        QCOMPARE(window.StatusText(PanelStatus),
                 QStringLiteral("Статус - опоры не удерживают балку"));
        const auto textRowsBelowTheScheme = [&] {
            const QImage& picture = window.Picture();
            int dark = 0;
            for (int y = ws.Style.DiagramTop; y < ws.Style.DiagramTop + 32; ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    dark += qGray(picture.pixel(x, y)) < 64 ? 1 : 0;
                }
            }
            return dark;
        };
        QVERIFY(textRowsBelowTheScheme() > 50);
        window.resize(700, 560);
        window.Redraw();
        QVERIFY(textRowsBelowTheScheme() > 50);
    }

    // The report names its picture beside itself; a new calculation's picture replaces the one
    // shown before.
    void reportShowsItsPictureFromBesideIt() {
        ReportBench bench;
        const auto shownPixel = [&bench] {
            const QVariant picture = bench.window.ReportDocument().resource(
                QTextDocument::ImageResource, QUrl(QStringLiteral("picture.jpg")));
            return picture.value<QImage>().pixelColor(10, 10).lightness();
        };
        QVERIFY(shownPixel() > 200);
        QImage black(600, 550, QImage::Format_RGB32);
        black.fill(Qt::black);
        black.save(QString::fromStdString((bench.ReportFolder() / "picture.jpg").string()), "JPG");
        bench.window.ShowReport();
        QVERIFY(shownPixel() < 50);
    }

    void pdfExportProposesTheProjectsNameAndWritesTheReport() {
        ReportBench bench;
        bench.ws->Beam.FilePath = (bench.program.Path() / "Перекрытие.lvl").string();
        QString proposed;
        const std::filesystem::path pdf = bench.program.Path() / "отчет.pdf";
        bench.window.Desktop.AskPdfPath = [&](const QString& offered) {
            proposed = offered;
            return QString::fromStdString(pdf.string());
        };
        bench.window.CommandAction(Command::ExportPdf)->trigger();
        QCOMPARE(proposed,
                 QString::fromStdString((bench.program.Path() / "Перекрытие.pdf").string()));
        QVERIFY(ReadWholeFile(pdf).value_or("").rfind("%PDF", 0) == 0);
        QVERIFY(bench.messages.Messages.empty());

        bench.window.Desktop.AskPdfPath = [](const QString&) { return QString(); };
        std::filesystem::remove(pdf);
        bench.window.CommandAction(Command::ExportPdf)->trigger();
        QVERIFY(!std::filesystem::exists(pdf));
        QVERIFY(bench.messages.Messages.empty());
    }

    // Each export is a new document with the project's name, tables and picture; without a word
    // processor the user learns where it lies.
    void wordExportWritesANewDocumentEachTime() {
        ReportBench bench;
        bench.ws->Beam.FilePath = "/home/u/Перекрытие.lvl";
        QStringList opened;
        bench.window.Desktop.OpenDocument = [&](const QString& file) {
            opened << file;
            return true;
        };
        bench.window.CommandAction(Command::ExportWord)->trigger();
        const std::filesystem::path first = bench.ReportFolder() / "Отчет - Перекрытие.odt";
        QCOMPARE(opened, QStringList{QString::fromStdString(first.string())});
        const std::string odt = ReadWholeFile(first).value_or("");
        QVERIFY(odt.rfind("PK", 0) == 0);
        QVERIFY(odt.find("application/vnd.oasis.opendocument.text") != std::string::npos);
        QVERIFY(odt.find("Pictures/") != std::string::npos);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(
            QStringLiteral("Итоговая сводная таблица")));
        QVERIFY(bench.messages.Messages.empty());

        bench.window.Desktop.OpenDocument = [](const QString&) { return false; };
        bench.window.CommandAction(Command::ExportWord)->trigger();
        const std::filesystem::path second = bench.ReportFolder() / "Отчет - Перекрытие (2).odt";
        QVERIFY(std::filesystem::exists(second));
        QCOMPARE(bench.messages.Messages,
                 std::vector<std::string>{
                     "Не удалось запустить текстовый процессор, чтобы открыть отчет. Отчет "
                     "сохранен в файле \"" +
                     second.string() + "\" и скопирован в буфер обмена."});
    }

    void printGoesToTheChosenPrinter() {
        ReportBench bench;
        const std::filesystem::path printed = bench.program.Path() / "печать.pdf";
        bench.window.Desktop.ChoosePrinter = [&](QPrinter& printer) {
            printer.setOutputFileName(QString::fromStdString(printed.string()));
            return true;
        };
        bench.window.CommandAction(Command::Print)->trigger();
        QVERIFY(ReadWholeFile(printed).value_or("").rfind("%PDF", 0) == 0);
        QVERIFY(bench.messages.Messages.empty());
    }

    void printThatCannotStartIsReported() {
        ReportBench bench;
        bench.window.Desktop.ChoosePrinter = [&](QPrinter& printer) {
            printer.setOutputFileName(
                QString::fromStdString((bench.program.Path() / "нет" / "печать.pdf").string()));
            return true;
        };
        bench.window.CommandAction(Command::Print)->trigger();
        QCOMPARE(bench.messages.Messages.size(), size_t{1});
        QVERIFY(bench.messages.Messages[0].rfind("Не удалось начать печать", 0) == 0);
    }

    void printWithoutAnyPrinterIsReported() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            QSKIP("this machine has a printer");
        }
        ReportBench bench;
        bench.window.CommandAction(Command::Print)->trigger();
        QCOMPARE(bench.messages.Messages,
                 std::vector<std::string>{
                     "Печать невозможна: в системе не установлен ни один принтер. Отчет можно "
                     "сохранить командой «Экспорт в PDF» и напечатать этот файл."});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
