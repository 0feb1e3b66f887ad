// The template window's wiring: caption, enabled boxes and the scheme name from the model, the
// derived height shown while typing, and "Применить" / "ОК" / "Отмена".
#include "ui/TemplateWindow.h"

#include "model/Numbers.h"
#include "workspace/Workspace.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace balka {

class TemplateWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        SetDecimalSeparator(',');
        messages.Messages.clear();
    }

    void spanCountEnablesTheBoxesAndDerivesTheHeight() {
        Workspace workspace(view, messages);
        TemplateWindow window(workspace);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Шаблон"));
        QVERIFY(!Box(window, "leL2")->isEnabled());
        QVERIFY(!Box(window, "leLeft")->isEnabled());
        auto* spans = window.findChild<QComboBox*>("cbSpans");
        spans->setCurrentIndex(2);
        emit spans->activated(2);
        QVERIFY(Box(window, "leL3")->isEnabled());
        QVERIFY(!Box(window, "leL4")->isEnabled());
        QTest::keyClicks(Box(window, "leL1"), "4");
        QTest::keyClicks(Box(window, "leL2"), "5");
        QTest::keyClicks(Box(window, "leL3"), "4");
        QTest::keyClicks(Box(window, "leAngle"), "10");
        QCOMPARE(Box(window, "leH")->text(), QStringLiteral("2,292"));

        QTest::mouseClick(window.findChild<QCheckBox*>("cbLeft"), Qt::LeftButton);
        QVERIFY(Box(window, "leLeft")->isEnabled());
        QCOMPARE(window.findChild<QLabel*>("Image")->property("bitmapName").toString(),
                 QStringLiteral("KL3"));
        QCOMPARE(window.findChild<QLabel*>("Image")->pixmap().size(), QSize(411, 75));
    }

    void applyAndOk() {
        Workspace workspace(view, messages);
        TemplateWindow window(workspace);
        window.show();
        QTest::keyClicks(Box(window, "leL1"), "6");
        QTest::keyClicks(Box(window, "leAngle"), "0");
        QTest::keyClicks(Box(window, "leStep"), "0.6");
        QTest::keyClicks(Box(window, "leLoad"), "200");
        auto* ok = window.findChild<QPushButton*>("bOK");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(messages.Messages,
                 std::vector<std::string>{"Укажите значение коэффициента надежности."});
        QVERIFY(window.isVisible());
        QTest::keyClicks(Box(window, "leYf"), "1,2");
        QTest::mouseClick(window.findChild<QPushButton*>("bApply"), Qt::LeftButton);
        QCOMPARE(workspace.Beam.SpanCount, 1);
        QCOMPARE(workspace.Loads.Grid.Cell(3, 1), std::string("120"));
        QVERIFY(window.isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>("bCancel"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

  private:
    static QLineEdit* Box(TemplateWindow& window, const char* name) {
        auto* box = window.findChild<QLineEdit*>(name);
        if (box == nullptr) {
            qFatal("no box %s", name);
        }
        return box;
    }

    RecordingView view;
    RecordingMessageSink messages;
};

} // namespace balka

QTEST_MAIN(balka::TemplateWindowTest)
#include "TemplateWindowTest.moc"
