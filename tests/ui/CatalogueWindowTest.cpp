// Wiring of the catalogue window: the grid shows the model with heights and widths as headers,
// the buttons forward the boxes and the current cell, a double-click toggles a size, the boxes
// filter keys and a refusal puts the focus into its box; the window follows the catalogue's size.
#include "ui/CatalogueWindow.h"
#include "model/Numbers.h"
#include "refdata/CatalogueEditor.h"
#include "support/RecordingMessageSink.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace balka {

class CatalogueWindowTest : public QObject {
    Q_OBJECT

  private:
    std::filesystem::path File() const { return folder_.filePath("sortament.txt").toStdString(); }
    void WriteFile(const QByteArray& bytes) {
        QFile file(folder_.filePath("sortament.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray FileBytes() {
        QFile file(folder_.filePath("sortament.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QPushButton* Button(CatalogueWindow& window, const QString& text) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    }

    QTemporaryDir folder_;
    RecordingMessageSink sink_;

  private slots:
    void init() {
        SetDecimalSeparator(',');
        sink_.Messages.clear();
        WriteFile("3(40,51,63)\r\n4(200,240,300,360)\r\n1122\r\n1112\r\n1111\r\n");
    }

    void showsCaptionButtonsAndGrid() {
        CatalogueEditor editor(File(), sink_);
        editor.LoadCatalogue();
        CatalogueWindow window(editor);
        QCOMPARE(window.windowTitle(), QStringLiteral("Сортамент"));
        for (const QString& text :
             {QStringLiteral("Добавить толщину"), QStringLiteral("Добавить высоту"),
              QStringLiteral("Удалить строку"), QStringLiteral("Удалить столбец"),
              QStringLiteral("ОК")}) {
            QVERIFY2(Button(window, text) != nullptr, qPrintable(text));
        }
        QTableWidget* grid = window.Grid();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 4);
        QCOMPARE(grid->horizontalHeaderItem(3)->text(), QStringLiteral("360"));
        QCOMPARE(grid->verticalHeaderItem(1)->text(), QStringLiteral("51"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("2"));
        QCOMPARE(window.size(), QSize(418, 329));
        window.show();
        QTest::mouseClick(Button(window, QStringLiteral("ОК")), Qt::LeftButton);
        QVERIFY(window.isHidden());
    }

    void addWidthForwardsTheFilteredBox() {
        CatalogueEditor editor(File(), sink_);
        editor.LoadCatalogue();
        std::vector<CatalogueEditor::Change> changes;
        editor.OnChanged = [&](CatalogueEditor::Change change) { changes.push_back(change); };
        CatalogueWindow window(editor);
        window.show();
        QTest::keyClicks(window.WidthBox(), "4x5,");
        QCOMPARE(window.WidthBox()->text(), QStringLiteral("45"));
        QTest::mouseClick(Button(window, QStringLiteral("Добавить толщину")), Qt::LeftButton);
        QVERIFY(sink_.Messages.empty());
        QCOMPARE(window.Grid()->rowCount(), 4);
        QCOMPARE(window.Grid()->verticalHeaderItem(1)->text(), QStringLiteral("45"));
        QCOMPARE(
            FileBytes(),
            QByteArray("4(40,45,51,63)\r\n4(200,240,300,360)\r\n1122\r\n2222\r\n1112\r\n1111\r\n"));
        QCOMPARE(changes, std::vector<CatalogueEditor::Change>{CatalogueEditor::Change::SizeLists});
    }

    void refusalFocusesItsBox() {
        CatalogueEditor editor(File(), sink_);
        editor.LoadCatalogue();
        CatalogueWindow window(editor);
        window.show();
        QTest::mouseClick(Button(window, QStringLiteral("Добавить высоту")), Qt::LeftButton);
        QCOMPARE(sink_.Messages, std::vector<std::string>{"Укажите значение добавляемой высоты."});
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(window.HeightBox()));
    }

    void deleteButtonsUseTheCurrentCell() {
        CatalogueEditor editor(File(), sink_);
        editor.LoadCatalogue();
        CatalogueWindow window(editor);
        window.show();
        window.Grid()->setCurrentCell(2, 1);
        QTest::mouseClick(Button(window, QStringLiteral("Удалить строку")), Qt::LeftButton);
        QCOMPARE(FileBytes(), QByteArray("2(40,51)\r\n4(200,240,300,360)\r\n1122\r\n1112\r\n"));
        window.Grid()->setCurrentCell(0, 0);
        QTest::mouseClick(Button(window, QStringLiteral("Удалить столбец")), Qt::LeftButton);
        QCOMPARE(FileBytes(), QByteArray("2(40,51)\r\n3(240,300,360)\r\n122\r\n112\r\n"));
        QCOMPARE(window.Grid()->columnCount(), 3);
    }

    void doubleClickTogglesTheSize() {
        CatalogueEditor editor(File(), sink_);
        editor.LoadCatalogue();
        std::vector<CatalogueEditor::Change> changes;
        editor.OnChanged = [&](CatalogueEditor::Change change) { changes.push_back(change); };
        CatalogueWindow window(editor);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableWidget* grid = window.Grid();
        const QPoint centre = grid->visualItemRect(grid->item(0, 2)).center();
        // The view takes a double-click only on the cell its press started on.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("1"));
        QCOMPARE(FileBytes(),
                 QByteArray("3(40,51,63)\r\n4(200,240,300,360)\r\n1112\r\n1112\r\n1111\r\n"));
        QCOMPARE(changes,
                 std::vector<CatalogueEditor::Change>{CatalogueEditor::Change::Availability});
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(Button(window, QStringLiteral("ОК"))));
    }

    void windowFollowsTheCatalogue() {
        WriteFile("1(40)\r\n9(1,2,3,4,5,6,7,8,9)\r\n111111111\r\n");
        CatalogueEditor editor(File(), sink_);
        editor.LoadCatalogue();
        CatalogueWindow window(editor);
        QCOMPARE(window.size(), QSize(418, 329));
        window.HeightBox()->setText(QStringLiteral("10"));
        QTest::mouseClick(Button(window, QStringLiteral("Добавить высоту")), Qt::LeftButton);
        QCOMPARE(window.size(), QSize(43 + 39 * 10 + 24, 329));
        QCOMPARE(window.Grid()->width(), 43 + 39 * 10);
    }
};

} // namespace balka

QTEST_MAIN(balka::CatalogueWindowTest)
#include "CatalogueWindowTest.moc"
