// The holes window's wiring: caption, span list and boxes shown from the model, keys filtered by
// the model, buttons and in-place edits reaching the model, refusals going to its message sink.
#include "ui/HolesWindow.h"

#include "model/Numbers.h"
#include "workspace/Workspace.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace balka {

class HolesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        SetDecimalSeparator(',');
        messages.Messages.clear();
    }

    void showsCaptionAndSpans() {
        Workspace workspace(view, messages);
        SetSpans(workspace, {"3", "4"});
        HolesWindow window(workspace);
        QCOMPARE(window.windowTitle(), QStringLiteral("Отверстия"));
        auto* span = window.findChild<QComboBox*>("cbSpan");
        QVERIFY(span != nullptr);
        QCOMPARE(span->count(), 2);
        QCOMPARE(span->itemText(1), QStringLiteral("Пролет 2"));
        auto* grid = window.findChild<QTableWidget*>("Grid");
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(grid->horizontalHeaderItem(3)->text(), QStringLiteral("х, м"));
        QCOMPARE(grid->rowCount(), 1);
        QVERIFY(!window.findChild<QLabel*>("imPicture")->pixmap().isNull());
    }

    void keysAreFilteredByTheModel() {
        Workspace workspace(view, messages);
        HolesWindow window(workspace);
        window.show();
        auto* d = window.findChild<QLineEdit*>("leD");
        auto* x = window.findChild<QLineEdit*>("leX");
        QTest::keyClicks(d, "12,5a");
        QCOMPARE(d->text(), QStringLiteral("125"));
        QCOMPARE(workspace.Holes.DText, std::string("125"));
        QTest::keyClicks(x, ".5.");
        QCOMPARE(x->text(), QStringLiteral("0,5"));
        QCOMPARE(workspace.Holes.XText, std::string("0,5"));
    }

    void addingShowsTheRowAndRefusalsGoToTheSink() {
        Workspace workspace(view, messages);
        SetSpans(workspace, {"3", "4"});
        HolesWindow window(workspace);
        window.show();
        auto* span = window.findChild<QComboBox*>("cbSpan");
        span->setCurrentIndex(1);
        emit span->activated(1);
        QTest::keyClicks(window.findChild<QLineEdit*>("leD"), "50");
        QTest::keyClicks(window.findChild<QLineEdit*>("leX"), "1");
        auto* add = window.findChild<QPushButton*>("bAdd");
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(messages.Messages,
                 std::vector<std::string>{"Укажите значение привязки отверстия по высоте."});
        QTest::keyClicks(window.findChild<QLineEdit*>("leY"), "0,1");
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(workspace.Beam.HoleCount, 1);
        auto* grid = window.findChild<QTableWidget*>("Grid");
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("1"));

        QTest::mouseClick(window.findChild<QPushButton*>("bClear"), Qt::LeftButton);
        QCOMPARE(workspace.Beam.HoleCount, 0);
        QCOMPARE(grid->item(0, 1)->text(), QString());
    }

    void inPlaceEditReachesTheModel() {
        Workspace workspace(view, messages);
        SetSpans(workspace, {"3"});
        HolesEditor& holes = workspace.Holes;
        holes.DText = "50";
        holes.XText = "1";
        holes.YText = "0,1";
        holes.bAddClick();
        HolesWindow window(workspace);
        window.show();
        auto* grid = window.findChild<QTableWidget*>("Grid");
        grid->edit(grid->model()->index(0, 3));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "2.5x");
        QCOMPARE(editor->text(), QStringLiteral("2.5"));
        editor->setText(QStringLiteral("2,5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(holes.Grid.Cell(3, 1), std::string("2,5"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("2,5"));
        QVERIFY(messages.Messages.empty());
    }

    void okOnlyHides() {
        Workspace workspace(view, messages);
        HolesWindow window(workspace);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>("bOK"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

  private:
    static void SetSpans(Workspace& workspace, const std::vector<std::string>& lengths) {
        for (const std::string& length : lengths) {
            AppendSpan(workspace, length);
        }
        workspace.Holes.RefreshSpanList();
    }

    RecordingView view;
    RecordingMessageSink messages;
};

} // namespace balka

QTEST_MAIN(balka::HolesWindowTest)
#include "HolesWindowTest.moc"
