// The wiring of the snow-load dialog: the region list and the width box reach the model and its
// label, "Добавить" adds the load and hides the dialog, and a refusal keeps it open.
#include "ui/SnowWindow.h"

#include "support/WindowBench.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace balka {

class SnowWindowTest : public QObject, public WindowBench<SnowWindow> {
    Q_OBJECT

  private slots:
    void init() {
        Open();
        AddSpan("6");
        window->ShowDialog();
    }

    void cleanup() { Close(); }

    void RegionFourOverThreeMetresIsAdded() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Снеговая нагрузка"));
        auto* region = window->findChild<QComboBox*>("cbSnow");
        QCOMPARE(region->count(), 8);
        QCOMPARE(region->itemText(3), QStringLiteral("IV"));
        region->setCurrentIndex(3);
        emit region->activated(3);
        QTest::keyClicks(window->findChild<QLineEdit*>("leB"), "3");
        QCOMPARE(window->findChild<QLabel*>("lLoad")->text(),
                 QStringLiteral("Нормативная нагрузка - 504 кг/м.п."));

        QTest::mouseClick(window->findChild<QPushButton*>("bAdd"), Qt::LeftButton);

        QVERIFY(!window->isVisible());
        QCOMPARE(workspace->Beam.LoadCount, 1);
        QCOMPARE(QString::fromStdString(workspace->Loads.Grid.Cell(3, 1)), QStringLiteral("504"));
    }

    void RefusedLoadKeepsTheDialogOpen() {
        QTest::keyClicks(window->findChild<QLineEdit*>("leB"), "0");
        QTest::mouseClick(window->findChild<QPushButton*>("bAdd"), Qt::LeftButton);

        QVERIFY(window->isVisible());
        QCOMPARE(messages->Messages.size(), size_t{1});
        QCOMPARE(QString::fromStdString(messages->Messages[0]),
                 QStringLiteral("Значение нагрузки должно быть больше нуля."));
    }
};

} // namespace balka

QTEST_MAIN(balka::SnowWindowTest)
#include "SnowWindowTest.moc"
