// The information windows: their captions, sizes and texts, the logo, non-modal showing centred
// over the main window, hiding on "Закрыть" and coming back where they were left.
#include "ui/AboutDialog.h"
#include "ui/ClassExplanationDialog.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

namespace balka {

class InfoDialogsTest : public QObject {
    Q_OBJECT

  private:
    static QStringList Texts(const QWidget& window) {
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                texts << label->text();
            }
        }
        return texts;
    }
    static void CheckFrame(const QDialog& dialog, QSize clientSize) {
        QCOMPARE(dialog.size(), clientSize);
        QCOMPARE(dialog.minimumSize(), clientSize);
        QCOMPARE(dialog.maximumSize(), clientSize);
        QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(!dialog.isModal());
        QVERIFY(dialog.isHidden());
    }

  private slots:
    void aboutShowsLogoAndTexts() {
        AboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        CheckFrame(about, QSize(514, 180));
        const QStringList texts = Texts(about);
        QCOMPARE(
            texts,
            (QStringList{
                QStringLiteral("Dravolit — высокопрочный многослойный брус, клееный из шпона."),
                QStringLiteral("Программа: Драволит-Балка."), QStringLiteral("Версия: 2.0.2"),
                QStringLiteral("Описание: Программа предназначена для расчета многопролетных "
                               "балок из материала Dravolit (многослойный брус, клееный из "
                               "шпона).")}));
        const QPixmap logo = about.Logo()->pixmap();
        QCOMPARE(logo.size(), QSize(225, 77));
        QCOMPARE(about.Logo()->pos(), QPoint(8, 8));
        const QImage image = logo.toImage();
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y) {
            for (int x = 0; x < image.width() && !drawn; ++x) {
                drawn = image.pixel(x, y) != qRgb(255, 255, 255);
            }
        }
        QVERIFY(drawn);
    }

    void serviceClassTexts() {
        ClassExplanationDialog dialog(ClassExplanation::ServiceClass);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Класс условий эксплуатации"));
        CheckFrame(dialog, QSize(412, 315));
        const QStringList texts = Texts(dialog);
        QCOMPARE(texts.size(), 12);
        QCOMPARE(texts.at(0), QStringLiteral("1 класс"));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QVERIFY(labels.at(0)->font().bold());
        QVERIFY(!labels.at(1)->font().bold());
        QCOMPARE(
            texts.at(1),
            QStringLiteral("- влажность материала конструкции в процессе эксплуатации 8-12 %; "));
        QCOMPARE(texts.at(6), QStringLiteral("- относительная влажность воздуха 60-90 %;"));
        QCOMPARE(texts.at(8), QStringLiteral("3 класс"));
        QCOMPARE(texts.at(11), QStringLiteral("- температура воздуха - без ограничений."));
    }

    void responsibilityClassTexts() {
        ClassExplanationDialog dialog(ClassExplanation::ResponsibilityClass);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Класс ответственности"));
        CheckFrame(dialog, QSize(417, 315));
        const QStringList texts = Texts(dialog);
        QCOMPARE(texts.size(), 6);
        QCOMPARE(texts.at(2), QStringLiteral("2 класс"));
        QCOMPARE(texts.at(3),
                 QStringLiteral("Конструкции для зданий II уровня ответственности. К ним относятся "
                                "конструкции производственных, складских и т.п. зданий."));
        QVERIFY(
            texts.at(1).endsWith(QStringLiteral("как правило, индивидуального проектирования.")));
        QVERIFY(texts.at(5).startsWith(QStringLiteral("Преимущественно ненесущие конструкции")));
        // Every paragraph fits above the button.
        const QPushButton* close = dialog.findChild<QPushButton*>();
        dialog.show();
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            QVERIFY(label->geometry().bottom() < close->geometry().top());
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
        }
    }

    void closeHidesAndShowingAgainKeepsThePlace() {
        QMainWindow main;
        main.setGeometry(100, 100, 800, 600);
        main.show();
        ClassExplanationDialog dialog(ClassExplanation::ServiceClass, &main);
        dialog.ShowDialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(
            (dialog.frameGeometry().center() - main.frameGeometry().center()).manhattanLength() <
            40);

        dialog.move(20, 30);
        QPushButton* close = dialog.findChild<QPushButton*>();
        QCOMPARE(close->text(), QStringLiteral("Закрыть"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(dialog.isHidden());
        dialog.ShowDialog();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), QPoint(20, 30));

        dialog.close();
        QVERIFY(dialog.isHidden());
        dialog.ShowDialog();
        dialog.ShowDialog();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), QPoint(20, 30));
        QCOMPARE(Texts(dialog).size(), 12);
    }

    void aboutClosesByItsCloseBoxOnly() {
        QMainWindow main;
        main.show();
        AboutDialog about(&main);
        about.ShowDialog();
        QVERIFY(about.findChildren<QPushButton*>().isEmpty());
        about.close();
        QVERIFY(about.isHidden());
        about.ShowDialog();
        QVERIFY(about.isVisible());
    }
};

} // namespace balka

QTEST_MAIN(balka::InfoDialogsTest)
#include "InfoDialogsTest.moc"
