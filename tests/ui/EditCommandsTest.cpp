// The habits of a Linux desktop program in the main window and the editors: the keys of the
// commands, "Правка" naming the step it takes back, the list of last projects, Esc in an editor,
// and a message box that belongs to the window the user works in.
#include "model/Numbers.h"
#include "support/RecordingMessageSink.h"
#include "ui/GeometryWindow.h"
#include "ui/MainWindow.h"
#include "ui/ProjectFileDialogs.h"
#include "ui/QtMessageSink.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

using namespace balka;

class EditCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        SetDecimalSeparator(',');
        // The settings of the last projects go to a test folder, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("dravolit-balka-test"));
    }

    void commandsAnswerTheKeysOfADesktopProgram() {
        MainWindow window;
        const std::vector<std::pair<Command, QStringList>> keys = {
            {Command::NewProject, {"Ctrl+N"}},
            {Command::Open, {"Ctrl+O"}},
            {Command::Save, {"Ctrl+S"}},
            {Command::SaveAs, {"Ctrl+Shift+S"}},
            {Command::Print, {"Ctrl+P"}},
            {Command::Exit, {"Ctrl+Q"}},
            {Command::Help, {"F1"}},
            {Command::Undo, {"Ctrl+Z"}},
            {Command::Redo, {"Ctrl+Shift+Z", "Ctrl+Y"}}};
        for (const auto& [command, sequences] : keys) {
            QStringList shown;
            for (const QKeySequence& key : window.CommandAction(command)->shortcuts()) {
                shown << key.toString();
            }
            QCOMPARE(shown, sequences);
        }
    }

    void editMenuNamesTheStepAndTakesItBack() {
        MainWindow window;
        RecordingMessageSink messages;
        Workspace workspace(window, messages);
        window.AttachWorkspace(workspace);
        QAction* undo = window.CommandAction(Command::Undo);
        QAction* redo = window.CommandAction(Command::Redo);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Отменить"));

        workspace.Geometry.SpanLengthText = "4,2";
        workspace.Geometry.bAddClick();
        workspace.Geometry.SpanLengthText = "3,6";
        workspace.Geometry.bAddClick();
        workspace.Geometry.SelectedRow = 1;
        workspace.Geometry.bDeleteClick();
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Отменить удаление пролета"));

        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(workspace.Beam.SpanCount, 2);
        QCOMPARE(redo->text(), QStringLiteral("Повторить удаление пролета"));
        redo->trigger();
        QCOMPARE(workspace.Beam.SpanCount, 1);
    }

    void fileMenuListsTheLastProjects() {
        QSettings().setValue(QStringLiteral("recentProjects"),
                             QStringList{"/home/user/Перекрытие.lvl", "/home/user/Стропило.lvl"});
        MainWindow window;
        RecordingMessageSink messages;
        Workspace workspace(window, messages);
        window.AttachWorkspace(workspace);
        ConnectProjectFileCommands(window, workspace);
        QMenu* recent = window.RecentMenu();
        QCOMPARE(recent->title(), QStringLiteral("Последние проекты"));
        QStringList shown;
        for (QAction* action : recent->actions()) {
            shown << action->text();
        }
        QCOMPARE(shown, (QStringList{"/home/user/Перекрытие.lvl", "/home/user/Стропило.lvl"}));
        QSettings().remove(QStringLiteral("recentProjects"));
    }

    void escapeClosesAnEditor() {
        MainWindow window;
        RecordingMessageSink messages;
        Workspace workspace(window, messages);
        GeometryWindow geometry(workspace, &window);
        geometry.show();
        QVERIFY(QTest::qWaitForWindowExposed(&geometry));
        QTest::keyClick(&geometry, Qt::Key_Escape);
        QVERIFY(!geometry.isVisible());
    }

    // The box of a refusal in the geometry editor is the editor's own, carries the warning
    // icon, and after OK the editor is in front with the focus in the box the message names.
    void messageBoxBelongsToTheEditorThatCausedIt() {
        MainWindow window;
        QtMessageSink messages(&window);
        Workspace workspace(window, messages);
        window.AttachWorkspace(workspace);
        GeometryWindow geometry(workspace, &window);
        window.show();
        geometry.show();
        geometry.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&geometry));

        QWidget* owner = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            owner = box->parentWidget();
            icon = box->icon();
            box->accept();
        });
        workspace.Geometry.SpanLengthText = "0";
        workspace.Geometry.bAddClick();
        QCOMPARE(owner, static_cast<QWidget*>(&geometry));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(QTest::qWaitForWindowActive(&geometry));
        QCOMPARE(QApplication::focusWidget(),
                 geometry.findChild<QLineEdit*>(QStringLiteral("leSpanLength")));
    }
};

QTEST_MAIN(EditCommandsTest)
#include "EditCommandsTest.moc"
