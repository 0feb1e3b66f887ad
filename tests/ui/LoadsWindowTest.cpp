// The wiring of the loads window: kind and permanence choices set the panel, typed keys reach
// the model's filter, "Добавить" adds a row, "Добавить снег" asks for the snow dialog, and the
// "Пр." cell is edited with the list of spans; every column is in sight.
#include "ui/LoadsWindow.h"

#include "support/WindowBench.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace balka {

class LoadsWindowTest : public QObject, public WindowBench<LoadsWindow> {
    Q_OBJECT

  private slots:
    void init() {
        Open();
        window->show();
        AddSpan("4");
        AddSpan("4");
    }

    void cleanup() { Close(); }

    void KindAndPermanenceSetThePanel() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Нагрузки"));
        QCOMPARE(window->findChild<QLabel*>("imPicture")->pixmap().size(), QSize(193, 65));
        QVERIFY(!window->findChild<QComboBox*>("cbSpan")->isEnabled());
        QVERIFY(!window->findChild<QLineEdit*>("leX")->isEnabled());

        QTest::mouseClick(window->findChild<QRadioButton*>("rbPointLoad"), Qt::LeftButton);
        QCOMPARE(workspace->Loads.Kind, LoadPoint);
        QVERIFY(window->findChild<QComboBox*>("cbSpan")->isEnabled());
        QVERIFY(window->findChild<QLineEdit*>("leX")->isEnabled());
        QVERIFY(!window->findChild<QLineEdit*>("leS")->isEnabled());
        QCOMPARE(window->findChild<QLabel*>("leFCaption")->text(),
                 QStringLiteral(" Нагрузка, F, кг"));
        QCOMPARE(window->findChild<QComboBox*>("cbSpan")->itemText(1), QStringLiteral("Пролет 2"));

        QTest::mouseClick(window->findChild<QRadioButton*>("rbPost"), Qt::LeftButton);
        auto* kd = window->findChild<QLineEdit*>("leKd");
        QVERIFY(!kd->isEnabled());
        QCOMPARE(kd->text(), QStringLiteral("1"));
    }

    void TypedLoadIsAddedAsARow() {
        QTest::keyClicks(window->findChild<QLineEdit*>("leF"), "100");
        QTest::keyClicks(window->findChild<QLineEdit*>("leYf"), "1.2");
        QTest::keyClicks(window->findChild<QLineEdit*>("leKd"), "0.7");
        QCOMPARE(window->findChild<QLineEdit*>("leYf")->text(), QStringLiteral("1,2"));
        QTest::mouseClick(window->findChild<QPushButton*>("bAdd"), Qt::LeftButton);

        QVERIFY(messages->Messages.empty());
        QCOMPARE(workspace->Beam.LoadCount, 1);
        auto* grid = window->findChild<QTableWidget*>("Grid");
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("100"));
        QCOMPARE(grid->item(0, 5)->text(), QStringLiteral("0,7"));
    }

    void SnowButtonAsksForTheDialog() {
        QSignalSpy spy(window.get(), &LoadsWindow::SnowDialogRequested);
        QTest::mouseClick(window->findChild<QPushButton*>("bAddSnow"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }

    void SpanCellIsEditedWithTheListOfSpans() {
        workspace->Loads.ChooseKind(LoadWholeSpan);
        workspace->Loads.FText = "10";
        workspace->Loads.YfText = "1";
        workspace->Loads.KdText = "1";
        workspace->Loads.bAddClick();
        auto* grid = window->findChild<QTableWidget*>("Grid");
        grid->editItem(grid->item(0, 1));
        auto* list = grid->viewport()->findChild<QComboBox*>();
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 2);
        list->setCurrentIndex(1);
        QTest::keyClick(list, Qt::Key_Return);

        QTRY_COMPARE(QString::fromStdString(workspace->Loads.Grid.Cell(1, 1)), QStringLiteral("2"));
    }

    // All eight columns are in sight at the window's opening size, without scrolling sideways.
    void EveryColumnIsInSight() {
        auto* grid = window->findChild<QTableWidget*>("Grid");
        QCOMPARE(grid->columnCount(), 8);
        const int lastRight = grid->columnViewportPosition(7) + grid->columnWidth(7);
        QVERIFY(lastRight <= grid->viewport()->width());
    }
};

} // namespace balka

QTEST_MAIN(balka::LoadsWindowTest)
#include "LoadsWindowTest.moc"
