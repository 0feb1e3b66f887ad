// A calculated project whose next recalculation stops: whatever stopped it (a file that does not
// convert, the angle box left empty, end supports that cannot carry load), no earlier result
// stands. The design and the selection refuse, the report is refused, the report view is left,
// the design dialog shows no results and the status bar says why.
#include "workspace/Workspace.h"

#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "project/ProjectCommands.h"
#include "project/TempFolder.h"
#include "report/ReportDisplay.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

namespace balka {
namespace {

const char* const kInputError =
    "Расчетная схема не сформирована: в исходных данных есть ошибка. Исправьте ее в окнах "
    "''Геометрия'', ''Нагрузки'' или ''Отверстия''.";
const char* const kCannotCarry =
    "Балка с такими концевыми опорами не может нести нагрузку. Измените опоры балки.";
const char* const kNoReport =
    "Отчет не может быть сформирован пока не произведен расчет текущей расчетной схемы.";

// The repository's folder holds resource/ with the installed reference files.
std::filesystem::path RepositoryFolder() {
    return std::filesystem::path(BALKA_TEST_DATA).parent_path().parent_path();
}

class StoppedRecalculationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        workspace.LoadReferenceData();
        // Two spans of 4 m under 300 kg/m, a 75 x 300 section: calculated, report ready.
        AppendSpan(workspace, "4");
        AppendSpan(workspace, "4");
        AppendLoad(workspace, {"0", "1", "300", "1,2", "1", " ", " "});
        workspace.Design.Settings.Width = "75";
        workspace.Design.Settings.Height = "300";
        ASSERT_EQ(workspace.Recalculate(), RecalcOutcome::Finished);
        workspace.Design.OnCalculate();
        ASSERT_TRUE(workspace.Beam.Calculated);
        ASSERT_EQ(workspace.Design.ShownPanel, DesignDialog::ResultPanel::Results);
        ASSERT_EQ(view.Status[PanelStatus], "Статус - готов отчет");
        ASSERT_TRUE(messages.Messages.empty());
        view.Calls.clear();
    }

    std::string WriteText(const std::string& name, const std::string& utf8Text) const {
        const std::string path = (folder_.Path() / name).string();
        WriteFileReplacing(path, EncodeWindows1251(utf8Text));
        return path;
    }

    // Design, selection and report are all refused, each with its message.
    void ExpectEverythingRefused(const std::string& designMessage) {
        messages.Messages.clear();
        workspace.Design.OnCalculate();
        workspace.Design.OnSelect();
        const auto report =
            WriteCurrentReport(workspace.Beam, workspace.BeamCalc.Report, folder_.Path(), messages);
        EXPECT_FALSE(report.has_value());
        EXPECT_EQ(messages.Messages,
                  (std::vector<std::string>{designMessage, designMessage, kNoReport}));
        EXPECT_FALSE(workspace.Beam.Calculated);
        EXPECT_FALSE(workspace.Beam.SchemeReady);
    }

    // The report view was left (which turns preview, print and export off) and the dialog shows
    // no results.
    void ExpectNoResultShown() {
        ASSERT_FALSE(view.Calls.empty());
        EXPECT_EQ(view.Calls.front(), "scheme view");
        EXPECT_EQ(workspace.Design.ShownPanel, DesignDialog::ResultPanel::None);
        EXPECT_EQ(workspace.Design.DialogWidth, DesignDialog::InputWidth);
    }

    TempFolder folder_;
    RecordingView view;
    RecordingMessageSink messages;
    // The installed reference files, and the report written into the test's own folder.
    Workspace workspace{view,
                        messages,
                        {RepositoryFolder() / "resource", RepositoryFolder() / "resource",
                         folder_.Path(), RepositoryFolder()}};
};

TEST_F(StoppedRecalculationTest, AFileThatDoesNotConvertLeavesNoResultStanding) {
    // Written with the full stop under a comma locale.
    const std::string path = WriteText("Точка.lvl", "[Геометрия]\r\nКоличество пролетов=1\r\n"
                                                    "Угол=0\r\nЛевая опора=1\r\nПравая опора=1\r\n"
                                                    "[Пролет 1]\r\nДлина=6.5\r\n");

    EXPECT_THROW(OpenProject(workspace, path), ConversionError);

    ExpectNoResultShown();
    EXPECT_EQ(std::count(view.Calls.begin(), view.Calls.end(), "clear"), 1);
    EXPECT_EQ(view.Caption, "Драволит-Балка - Точка.lvl");
    EXPECT_EQ(view.Status[PanelAngle], "Угол - 0°");
    EXPECT_EQ(view.Status[PanelLength], "Длина - ...");
    EXPECT_EQ(view.Status[PanelMass], "Масса - ...");
    EXPECT_EQ(view.Status[PanelStatus], "Статус - ошибка в исходных данных");
    ExpectEverythingRefused(kInputError);
}

TEST_F(StoppedRecalculationTest, AnEmptyAngleBoxLeavesNoResultStanding) {
    workspace.Geometry.AngleText = "";

    EXPECT_THROW(workspace.Geometry.cbRightSupportChange(1), ConversionError);

    ExpectNoResultShown();
    EXPECT_EQ(view.Status[PanelAngle], "Угол - ...");
    EXPECT_EQ(view.Status[PanelLength], "Длина - ...");
    EXPECT_EQ(view.Status[PanelStatus], "Статус - ошибка в исходных данных");
    ExpectEverythingRefused(kInputError);

    // Once the angle is back, a finished recalculation lets the design run again.
    workspace.Geometry.AngleText = "0";
    ASSERT_EQ(workspace.Recalculate(), RecalcOutcome::Finished);
    messages.Messages.clear();
    workspace.Design.OnCalculate();
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_TRUE(workspace.Beam.Calculated);
    EXPECT_EQ(view.Status[PanelStatus], "Статус - готов отчет");
}

TEST_F(StoppedRecalculationTest, SupportsThatCannotCarryLoadLeaveNoResultStanding) {
    workspace.Geometry.LeftSupportIndex = 2;
    workspace.Geometry.RightSupportIndex = 2;

    EXPECT_EQ(workspace.Recalculate(), RecalcOutcome::StoppedUnstable);

    ExpectNoResultShown();
    EXPECT_EQ(view.Calls, (std::vector<std::string>{"scheme view", "draw scheme", "cannot carry"}));
    EXPECT_EQ(view.Status[PanelLength], "Длина - 8 м");
    EXPECT_EQ(view.Status[PanelStatus], "Статус - опоры не удерживают балку");
    ExpectEverythingRefused(kCannotCarry);
}

struct ClearingCase {
    const char* Name;
    std::function<void(Workspace&)> Act;
};

void PrintTo(const ClearingCase& c, std::ostream* out) {
    *out << c.Name;
}

class ClearingCommandTest : public StoppedRecalculationTest,
                            public ::testing::WithParamInterface<ClearingCase> {};

// Without spans there is nothing to draw, yet the report view is left all the same.
TEST_P(ClearingCommandTest, LeavesTheReportView) {
    GetParam().Act(workspace);
    ASSERT_GE(view.Calls.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(view.Calls.end() - 2, view.Calls.end()),
              (std::vector<std::string>{"scheme view", "clear"}));
    ExpectNoResultShown();
    EXPECT_EQ(view.Status[PanelStatus], "Статус - формирование схемы");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ClearingCommandTest,
    ::testing::Values(ClearingCase{"NewProject", [](Workspace& w) { w.NewProject(); }},
                      ClearingCase{"ClearTheSpans", [](Workspace& w) { w.Geometry.bClearClick(); }},
                      ClearingCase{"DeleteTheLastSpan",
                                   [](Workspace& w) {
                                       w.Geometry.SelectedRow = 1;
                                       w.Geometry.bDeleteClick();
                                       w.Geometry.SelectedRow = 1;
                                       w.Geometry.bDeleteClick();
                                   }}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace balka
