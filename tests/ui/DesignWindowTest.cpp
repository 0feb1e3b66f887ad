// The wiring of the design dialog's window: lists and indicator from the model, edits and key
// filters forwarded, panels opened one at a time, and both commands showing their panel at the
// model's width; every choice's caption fits the input area.
#include "ui/DesignWindow.h"

#include "model/Numbers.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <filesystem>
#include <fstream>

namespace balka {

class DesignWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        SetDecimalSeparator(',');
        folder_ = std::make_unique<TempFolder>();
        const std::filesystem::path resource = folder_->Path() / "resource";
        std::filesystem::create_directories(resource);
        std::filesystem::copy_file(std::filesystem::path(BALKA_TEST_DATA) / ".." / ".." /
                                       "resource" / "material.txt",
                                   resource / "material.txt");
        std::ofstream(resource / "sortament.txt", std::ios::binary)
            << "2(45,75)\r\n3(200,300,400)\r\n111\r\n112\r\n";
        workspace_ =
            std::make_unique<Workspace>(view_, messages_, BuildTreeFolders(folder_->Path()));
        workspace_->LoadReferenceData();
        window_ = std::make_unique<DesignWindow>(workspace_->Design);
        window_->show();
    }

    void cleanup() {
        window_.reset();
        workspace_.reset();
        folder_.reset();
    }

    void ShowsTheListsAndTheIndicator() {
        auto* width = static_cast<QComboBox*>(window_->Control("cbWidth"));
        auto* height = static_cast<QComboBox*>(window_->Control("cbHeight"));
        QCOMPARE(width->count(), 2);
        QCOMPARE(height->currentText(), QStringLiteral("200"));
        QVERIFY(window_->IndicatorOk()->isVisible());

        width->lineEdit()->selectAll();
        QTest::keyClicks(width->lineEdit(), "7a5");
        height->lineEdit()->selectAll();
        QTest::keyClicks(height->lineEdit(), "400");
        QCOMPARE(workspace_->Design.Settings.Width, std::string("75"));
        QCOMPARE(workspace_->Design.Settings.Height, std::string("400"));
        QVERIFY(!window_->IndicatorOk()->isVisible());
        QVERIFY(window_->IndicatorWarning()->isVisible());
    }

    void OpensOnePanelAtATime() {
        QTest::mouseClick(window_->PanelHeader(DesignDialog::Panel::Temperature), Qt::LeftButton);
        QVERIFY(workspace_->Design.IsExpanded(DesignDialog::Panel::Temperature));
        QVERIFY(window_->Control("edTemp")->isVisible());
        QVERIFY(!window_->Control("edTemp")->isEnabled());
        QTest::mouseClick(window_->PanelHeader(DesignDialog::Panel::Stability), Qt::LeftButton);
        QVERIFY(!workspace_->Design.IsExpanded(DesignDialog::Panel::Temperature));
        QVERIFY(!window_->Control("edTemp")->isVisible());
        auto* lp = static_cast<QLineEdit*>(window_->Control("edLP"));
        QTest::keyClicks(lp, "0.3");
        QCOMPARE(workspace_->Design.Settings.LP, std::string("0,3"));
    }

    void CalculationAndSelectionShowTheirPanels() {
        EnterBeam();
        QTest::mouseClick(window_->CalculateButton(), Qt::LeftButton);
        QVERIFY(messages_.Messages.empty());
        QCOMPARE(window_->width(), 790);
        QVERIFY(window_->ResultsPanel()->isVisible());
        QVERIFY(!window_->ResultsBox()->toPlainText().isEmpty());
        QCOMPARE(view_.Status[PanelStatus], std::string("Статус - готов отчет"));

        QTest::mouseClick(window_->SelectButton(), Qt::LeftButton);
        QCOMPARE(window_->width(), 838);
        QVERIFY(!window_->ResultsPanel()->isVisible());
        QVERIFY(window_->SelectionChart()->isVisible());
        QCOMPARE(window_->SelectionChart()->pixmap().width(), 500);

        workspace_->Recalculate();
        QCOMPARE(window_->width(), 330);
    }

    void RefusalFocusesTheField() {
        EnterBeam();
        auto* count = static_cast<QLineEdit*>(window_->Control("edWidthCount"));
        count->clear();
        QTest::mouseClick(window_->CalculateButton(), Qt::LeftButton);
        QCOMPARE(messages_.Messages.size(), size_t{1});
        QCOMPARE(messages_.Messages[0], std::string("Укажите количество досок в сечении."));
        QCOMPARE(window_->focusWidget(), count);
        QCOMPARE(window_->width(), 330);
    }

    // No caption of a choice runs past the input area's scrolling group.
    void ChoiceCaptionsFitTheInputArea() {
        const int room = window_->findChild<QScrollArea*>()->widget()->width();
        for (QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
            if (qobject_cast<QRadioButton*>(button) != nullptr ||
                qobject_cast<QCheckBox*>(button) != nullptr) {
                QVERIFY2(button->sizeHint().width() < room - 20, qPrintable(button->text()));
            }
        }
    }

    void ImpregnationCaptionIsSpelledRight() {
        QStringList captions;
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            if (label->text().contains(QStringLiteral("пропитке"))) {
                captions << label->text();
            }
        }
        QCOMPARE(captions, QStringList{QStringLiteral(
                               "элемент подвергнут глубокой пропитке антипиренами под давлением")});
    }

  private:
    void EnterBeam() {
        TextTable& spans = workspace_->Geometry.Grid;
        spans.SetCell(0, 1, "1");
        spans.SetCell(1, 1, "6");
        workspace_->Beam.SpanCount = 1;
        TextTable& loads = workspace_->Loads.Grid;
        const char* cells[] = {"1", "1", "2", "200", "1", "1", " ", " "};
        for (int column = 0; column < 8; ++column) {
            loads.SetCell(column, 1, cells[column]);
        }
        workspace_->Beam.LoadCount = 1;
        workspace_->Recalculate();
    }

    RecordingView view_;
    RecordingMessageSink messages_;
    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<Workspace> workspace_;
    std::unique_ptr<DesignWindow> window_;
};

} // namespace balka

QTEST_MAIN(balka::DesignWindowTest)
#include "DesignWindowTest.moc"
