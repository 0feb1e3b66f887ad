// The wiring of the reactions window: it follows every recalculation of the workspace without
// being asked, shows the model's rows, notes and warning, and copies its text to the clipboard.
#include "ui/ReactionsWindow.h"

#include "support/TableRows.h"
#include "support/WindowBench.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace balka {

class ReactionsWindowTest : public QObject, public WindowBench<ReactionsWindow> {
    Q_OBJECT

  private slots:
    void init() {
        Open();
        window->show();
    }

    void cleanup() { Close(); }

    void FollowsEveryRecalculation() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Реакции опор"));
        auto* grid = window->findChild<QTableWidget*>("Grid");
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Расчетная, кг"));
        AddSpan("6");
        AddSpan("6");
        AppendLoad(*workspace, {"0", "1", "100", "1,2", "1", " ", " "});
        workspace->Recalculate();

        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("6000"));
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("900"));
        QCOMPARE(grid->item(2, 3)->text(), QStringLiteral("225"));
        QVERIFY(!window->findChild<QLabel*>("lNote")->text().isEmpty());
        QVERIFY(window->findChild<QLabel*>("lWarning")->isHidden());

        workspace->Geometry.cbRightSupportChange(2);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("6000"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("0"));
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("1440"));
    }

    void ShowsWhyThereAreNoReactions() {
        AddSpan("6");
        workspace->Geometry.cbRightSupportChange(2);
        auto* warning = window->findChild<QLabel*>("lWarning");
        QVERIFY(!warning->isHidden());
        QCOMPARE(warning->text(),
                 QStringLiteral("При таких крайних опорах балка не может нести нагрузку."));
        QCOMPARE(window->findChild<QTableWidget*>("Grid")->item(0, 2)->text(), QString());
    }

    void CopyPutsTheTableOnTheClipboard() {
        AddSpan("4");
        AppendLoad(*workspace, {"0", "1", "100", "1", "1", " ", " "});
        workspace->Recalculate();
        QApplication::clipboard()->clear();

        QTest::mouseClick(window->findChild<QPushButton*>("bCopy"), Qt::LeftButton);

        const QString text = QApplication::clipboard()->text();
        QCOMPARE(text, QString::fromStdString(workspace->Reactions.CopyText()));
        QVERIFY(text.startsWith(QStringLiteral("Реакции опор\n№\tx, мм\t")));
        QVERIFY(text.contains(QStringLiteral("\n2\t4000\t200\t200\t200\t\n")));
    }
};

} // namespace balka

QTEST_MAIN(balka::ReactionsWindowTest)
#include "ReactionsWindowTest.moc"
