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
                                        "Экспорт в PDF", "Экспорт в Word", "Выход"}));
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
        window.resize(594, 497);
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

#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "project/TempFolder.h"
}
}
;

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
