// The whole report of two beams, built the way the program builds it (editor tables,
// recalculation, design calculation, composition, report file), against report.html files
// checked by hand against the report's wording.
#include "report/ComposeReport.h"

#include "design/DesignCalculation.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "workspace/Workspace.h"
#include "project/TempFolder.h"
#include "report/ReportFile.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace balka {
namespace {

class ReportGoldenTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    // Recalculates, designs the section and writes the report as the report command does.
    void ExpectReportMatches(const TDesignInput& input, const std::string& goldenName) {
        ASSERT_EQ(workspace.Recalculate(), RecalcOutcome::Finished);
        TBeamCalc calc;
        const TDesignOutcome outcome = RunDesignCalculation(workspace.Beam, calc, input);
        ASSERT_EQ(outcome.Status, TDesignStatus::Done) << outcome.Message;
        calc.Report =
            ComposeReport(TReportInput{workspace.Beam, calc, input, workspace.Loads.Grid});
        TempFolder folder;
        const std::string written =
            ReadWholeFile(WriteReportFile(folder.Path(), calc.Report)).value();
        const std::filesystem::path golden =
            std::filesystem::path(BALKA_TEST_DATA) / "report" / goldenName;
        const std::string expected = ReadWholeFile(golden).value_or("");
        if (written != expected) {
            const auto mismatch =
                std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
            const std::filesystem::path actual =
                std::filesystem::path(::testing::TempDir()) / goldenName;
            WriteFileReplacing(actual, written);
            ADD_FAILURE() << goldenName << " differs from byte "
                          << (mismatch.first - written.begin()) << "; this run wrote " << actual;
        }
    }

    RecordingView view;
    RecordingMessageSink messages;
    Workspace workspace{view, messages};
};

TEST_F(ReportGoldenTest, TwoSpansWithHoles) {
    AppendSpan(workspace, "6");
    AppendSpan(workspace, "4,5");
    AppendLoad(workspace, {"0", "1", "150", "1,2", "0,9", " ", " "});
    AppendLoad(workspace, {"1", "3", "80", "1,3", "0,5", "1,5", "2"});
    AppendLoad(workspace, {"2", "4", "500", "1,2", "1", "2,25", " "});
    AppendHole(workspace, {"1", "50", "1,5", "0,2"});
    AppendHole(workspace, {"2", "40", "1", "0,45"});
    AppendHole(workspace, {"2", "300", "2", "0,2"});
    AppendHole(workspace, {"2", "60", "3", "0,15"});

    TDesignInput input;
    input.MaterialName = "A";
    input.Material = {32, 3, 14000};
    input.Width = 45;
    input.Height = 400;
    input.Count = 3;
    input.ServiceClass = 2;
    input.TemperatureMode = TTemperatureMode::From35To50;
    input.Temperature = 41;
    input.DeflectionDivisor = 250;
    input.RestraintCount = 2;
    ExpectReportMatches(input, "two-spans-with-holes.html");
}

TEST_F(ReportGoldenTest, SingleCantilever) {
    workspace.Geometry.LeftSupportIndex = 1;  // "Заделка"
    workspace.Geometry.RightSupportIndex = 2; // "Консоль"
    AppendSpan(workspace, "2,5");
    AppendLoad(workspace, {"1", "2", "200", "1,2", "1", " ", " "});
    AppendLoad(workspace, {"1", "4", "100", "1,2", "0,35", "2,5", " "});

    TDesignInput input;
    input.MaterialName = "B";
    input.Material = {28, 2.5f, 12000};
    input.Width = 100;
    input.Height = 300;
    input.ResponsibilityClass = 1;
    input.Impregnated = true;
    input.LongTermDeflection = true;
    ExpectReportMatches(input, "single-cantilever.html");
}

} // namespace
} // namespace balka
