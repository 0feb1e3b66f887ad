// Wiring of the material characteristics window: the table shows the model, an in-place edit
// reaches the model and the file, a refusal puts the old text back, the cell editor filters keys.
#include "ui/MaterialWindow.h"
#include "model/Numbers.h"
#include "refdata/MaterialEditor.h"
#include "support/RecordingMessageSink.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace balka {

class MaterialWindowTest : public QObject {
    Q_OBJECT

  private:
    std::filesystem::path File() const { return folder_.filePath("material.txt").toStdString(); }
    void WriteFile(const QByteArray& bytes) {
        QFile file(folder_.filePath("material.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray FileBytes() {
        QFile file(folder_.filePath("material.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Opens the cell editor of model cell (column, row) and returns it.
    static QLineEdit* StartEdit(MaterialWindow& window, int column, int row) {
        QTableWidget* table = window.Table();
        table->setCurrentCell(row - 1, column);
        table->editItem(table->item(row - 1, column));
        return table->viewport()->findChild<QLineEdit*>();
    }

    QTemporaryDir folder_;
    RecordingMessageSink sink_;

  private slots:
    void init() {
        SetDecimalSeparator(',');
        sink_.Messages.clear();
        WriteFile(
            "A\r\n32;3;14000\r\nB\r\n28;2,5;12000\r\nC\r\n25;2;10000\r\nCustom\r\n25;2;10000\r\n");
    }

    void showsCaptionTableAndLines() {
        MaterialEditor editor(File(), sink_);
        editor.LoadMaterials();
        MaterialWindow window(editor);
        QCOMPARE(window.windowTitle(), QStringLiteral("Характеристики материала"));
        QTableWidget* table = window.Table();
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Rиз, МПа"));
        QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Е, МПа"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("B"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2,5"));
        QVERIFY(!(table->item(1, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(table->item(1, 2)->flags() & Qt::ItemIsEditable);
        QStringList lines;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            lines << label->text();
        }
        QVERIFY(lines.contains(QStringLiteral("Rск - расчетное сопротивление скалыванию")));
        QCOMPARE(lines.size(), 5);
        QPushButton* ok = window.findChild<QPushButton*>();
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        window.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(window.isHidden());
    }

    void acceptedEditReachesModelAndFile() {
        MaterialEditor editor(File(), sink_);
        editor.LoadMaterials();
        MaterialWindow window(editor);
        window.show();
        QLineEdit* cell = StartEdit(window, 1, 2);
        QVERIFY(cell != nullptr);
        cell->clear();
        QTest::keyClicks(cell, "29,5");
        // The cell editor commits on Enter through a queued call.
        QTest::keyClick(cell, Qt::Key_Return);
        QTRY_COMPARE(QString::fromStdString(editor.Table().Cell(1, 2)), QStringLiteral("29,5"));
        QVERIFY(sink_.Messages.empty());
        QCOMPARE(window.Table()->item(1, 1)->text(), QStringLiteral("29,5"));
        QVERIFY(FileBytes().contains("B\r\n29,5;2,5;12000\r\n"));
    }

    void refusedEditPutsTheOldTextBackInTheCurrentCell() {
        MaterialEditor editor(File(), sink_);
        editor.LoadMaterials();
        MaterialWindow window(editor);
        window.show();
        QLineEdit* cell = StartEdit(window, 3, 4);
        QVERIFY(cell != nullptr);
        cell->clear();
        QTest::keyClicks(cell, "0");
        QTest::keyClick(cell, Qt::Key_Return);
        QTRY_COMPARE(sink_.Messages, std::vector<std::string>{"Значение должно быть больше нуля. "
                                                              "Возвращено предыдущее значение."});
        QCOMPARE(window.Table()->item(3, 3)->text(), QStringLiteral("10000"));
        QCOMPARE(window.Table()->currentRow(), 3);
        QCOMPARE(window.Table()->currentColumn(), 3);
    }

    void cellEditorTakesOnlyNumberKeys() {
        MaterialEditor editor(File(), sink_);
        editor.LoadMaterials();
        MaterialWindow window(editor);
        window.show();
        QLineEdit* cell = StartEdit(window, 2, 1);
        QVERIFY(cell != nullptr);
        cell->clear();
        QTest::keyClicks(cell, "1a-2 .5");
        QCOMPARE(cell->text(), QStringLiteral("12.5"));
    }
};

} // namespace balka

QTEST_MAIN(balka::MaterialWindowTest)
#include "MaterialWindowTest.moc"
