// The wiring of the geometry window: typed keys reach the model's filter, buttons and lists its
// operations, an in-place edit its cell check, and the model's tables come back into the widgets.
#include "ui/GeometryWindow.h"

#include "support/WindowBench.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace balka {

class GeometryWindowTest : public QObject, public WindowBench<GeometryWindow> {
    Q_OBJECT

  private slots:
    void init() {
        Open();
        window->show();
    }

    void cleanup() { Close(); }

    void CaptionAndSupportLists() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Геометрия"));
        auto* left = window->findChild<QComboBox*>("cbLeftSupport");
        QVERIFY(left != nullptr);
        QCOMPARE(left->count(), 3);
        QCOMPARE(left->itemText(2), QStringLiteral("Консоль"));
        QCOMPARE(window->findChild<QLineEdit*>("leAngle")->text(), QStringLiteral("0"));
    }

    void TypedLengthAndEnterAddASpan() {
        auto* box = window->findChild<QLineEdit*>("leSpanLength");
        QTest::keyClicks(box, "2.x5");
        QCOMPARE(box->text(), QStringLiteral("2,5"));
        QTest::keyClick(box, Qt::Key_Return);

        QCOMPARE(workspace->Beam.SpanCount, 1);
        auto* grid = window->findChild<QTableWidget*>("Grid");
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("2,5"));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("L, м"));
    }

    void RefusalGoesToTheMessageSink() {
        QTest::mouseClick(window->findChild<QPushButton*>("bAdd"), Qt::LeftButton);
        QCOMPARE(messages->Messages.size(), size_t{1});
        QCOMPARE(QString::fromStdString(messages->Messages[0]),
                 QStringLiteral("Укажите длину добавляемого пролета."));
    }

    void SupportChoiceAndDeleteReachTheModel() {
        AddSpan("3");
        AddSpan("3");
        window->findChild<QComboBox*>("cbRightSupport")->setCurrentIndex(1);
        QCOMPARE(workspace->Geometry.RightSupportIndex, 1);
        QCOMPARE(workspace->Beam.RightSupport, int32_t{SupportFixed});

        auto* grid = window->findChild<QTableWidget*>("Grid");
        grid->setCurrentCell(0, 1);
        QTest::mouseClick(window->findChild<QPushButton*>("bDelete"), Qt::LeftButton);
        QCOMPARE(workspace->Beam.SpanCount, 1);
        QCOMPARE(grid->rowCount(), 1);
    }

    void InPlaceEditReachesTheCellCheck() {
        AddSpan("4");
        auto* grid = window->findChild<QTableWidget*>("Grid");
        grid->editItem(grid->item(0, 1));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->clear();
        QTest::keyClicks(editor, "3a,50");
        QCOMPARE(editor->text(), QStringLiteral("3,50"));
        // The delegate commits after the key, and the model hears of it after the editor closed.
        QTest::keyClick(editor, Qt::Key_Return);

        QTRY_COMPARE(QString::fromStdString(workspace->Geometry.Grid.Cell(1, 1)),
                     QStringLiteral("3,5"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("3,5"));
        QVERIFY(messages->Messages.empty());
    }

    void OkOnlyHides() {
        QTest::mouseClick(window->findChild<QPushButton*>("bOK"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }
};

} // namespace balka

QTEST_MAIN(balka::GeometryWindowTest)
#include "GeometryWindowTest.moc"
