#include "statics/Recalculate.h"

#include "model/ConversionError.h"
#include "model/Numbers.h"
#include "statics/BeamInvariants.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

class RecalculateTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    RecordingView view;
    RecordingMessageSink messages;
    Workspace workspace{view, messages};
};

TEST_F(RecalculateTest, TypicalTwoSpanBeamGetsItsStaticsAndStatus) {
    AppendSpan(workspace, "6");
    AppendSpan(workspace, "6");
    AppendLoad(workspace, {"0", "1", "100", "1,2", "1", " ", " "});
    workspace.Design.Settings.WidthCount = "1";
    workspace.Design.Settings.Width = "100";
    workspace.Design.Settings.Height = "400";

    EXPECT_EQ(workspace.Recalculate(), RecalcOutcome::Finished);

    const TBeam& beam = workspace.Beam;
    test::ExpectBeamInvariants(beam);
    ASSERT_EQ(beam.Spans.size(), 2u);
    EXPECT_EQ(beam.TotalLength, 12000);
    EXPECT_FLOAT_EQ(beam.Spans[0].Loads[0].DesignValue, 120.0f);
    EXPECT_NEAR(beam.Spans[0].MB, -120.0f * 36.0f / 8.0f, 0.01f);
    EXPECT_NEAR(beam.Spans[1].MA, beam.Spans[0].MB, 1e-4f);
    EXPECT_TRUE(beam.SchemeReady);
    EXPECT_FALSE(beam.Calculated);
    EXPECT_EQ(view.Calls,
              (std::vector<std::string>{"scheme view", "draw scheme", "draw diagrams"}));
    EXPECT_EQ(view.Status[PanelAngle], "Угол - 0°");
    EXPECT_EQ(view.Status[PanelLength], "Длина - 12 м");
    // 12 m x 0.1 m x 0.4 m x 420 kg/m3
    EXPECT_EQ(view.Status[PanelMass], "Масса - 201,6 кг");
    EXPECT_EQ(view.Status[PanelStatus], "Статус - готов к расчету");
}

TEST_F(RecalculateTest, SlopedSpanIsMeasuredAlongTheBeam) {
    workspace.Geometry.AngleText = "30";
    AppendSpan(workspace, "3");
    workspace.Recalculate();
    EXPECT_EQ(workspace.Beam.Spans[0].Length, 3000);
    EXPECT_EQ(workspace.Beam.Spans[0].SlopeLength, 3464);
    EXPECT_EQ(workspace.Beam.TotalSlopeLength, 3464);
    EXPECT_EQ(view.Status[PanelAngle], "Угол - 30°");
    EXPECT_EQ(view.Status[PanelLength], "Длина - 3,464 м");
}

TEST_F(RecalculateTest, WholeBeamLoadIsHeldOncePerSpanAcrossTheSlope) {
    workspace.Geometry.AngleText = "60";
    AppendSpan(workspace, "3");
    AppendSpan(workspace, "4");
    AppendSpan(workspace, "2,5");
    AppendLoad(workspace, {"0", "1", "100", "1,2", "1", " ", " "});
    workspace.Recalculate();
    const TBeam& beam = workspace.Beam;
    test::ExpectBeamInvariants(beam);
    for (const TSpan& span : beam.Spans) {
        ASSERT_EQ(span.Loads.size(), 1u);
        EXPECT_FLOAT_EQ(span.Loads[0].DesignValue, 120.0f);
        EXPECT_NEAR(span.Loads[0].NormalValue, 30.0f, 1e-4f);
        EXPECT_EQ(span.Loads[0].Length, span.Length);
        EXPECT_EQ(span.Loads[0].SlopeLength, span.SlopeLength);
    }
    EXPECT_EQ(beam.Spans[1].SlopeLength, 8000);
}

TEST_F(RecalculateTest, LocalLoadsGetMillimetrePositionsBothWays) {
    workspace.Geometry.AngleText = "30";
    AppendSpan(workspace, "6");
    AppendLoad(workspace, {"1", "3", "200", "1,3", "0,5", "1,5", "2"});
    AppendLoad(workspace, {"1", "4", "500", "1,2", "1", "2,4996", " "});
    workspace.Recalculate();
    const auto& loads = workspace.Beam.Spans[0].Loads;
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0].Start, 1500);
    EXPECT_EQ(loads[0].Length, 2000);
    EXPECT_EQ(loads[0].SlopeStart, 1732);
    EXPECT_EQ(loads[0].SlopeLength, 2309);
    EXPECT_NEAR(loads[0].NormalValue, 260.0f * 0.75f, 1e-3f);
    EXPECT_EQ(loads[1].Start, 2500);
    EXPECT_EQ(loads[1].Length, 0);
    EXPECT_NEAR(loads[1].NormalValue, 600.0f * 0.8660254f, 1e-3f);
    EXPECT_TRUE(loads[1].ToDraw);
}

TEST_F(RecalculateTest, HoleZonesReachBeyondSupportsExceptAtTheBeamEnds) {
    AppendSpan(workspace, "3");
    AppendSpan(workspace, "3");
    AppendLoad(workspace, {"0", "1", "100", "1", "1", " ", " "});
    AppendHole(workspace, {"1", "41", "0,1", "0,2"});
    AppendHole(workspace, {"2", "41", "0,1", "0,2"});
    AppendHole(workspace, {"2", "41", "1", "0,2"});
    AppendHole(workspace, {"1", "41", "2,9", "0,2"});
    workspace.Recalculate();
    const auto& first = workspace.Beam.Spans[0].Weaks;
    const auto& second = workspace.Beam.Spans[1].Weaks;
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(first[0].ZoneStart, 0);
    EXPECT_EQ(first[0].ZoneEnd, 320);
    EXPECT_EQ(second[0].ZoneStart, -120);
    EXPECT_EQ(second[1].ZoneStart, 780);
    EXPECT_EQ(second[1].ZoneEnd, 1220);
    EXPECT_EQ(second[1].Diameter, 41);
    EXPECT_EQ(second[1].OffsetY, 200);
    // The first span's hole near the middle support keeps its zone reaching into span 2.
    EXPECT_EQ(first[1].ZoneEnd, 3120);
    EXPECT_GT(second[0].ZoneMaxM, 0.0f);
    EXPECT_GT(first[1].ZoneMaxQ, 0.0f);
}

TEST_F(RecalculateTest, SpansWithoutLoadsAreNotReadyForTheDesign) {
    AppendSpan(workspace, "4");
    workspace.Recalculate();
    EXPECT_FALSE(workspace.Beam.SchemeReady);
    EXPECT_EQ(workspace.Beam.MaxAbsM, 0.0f);
    EXPECT_EQ(view.Status[PanelStatus], "Статус - формирование схемы");
    EXPECT_EQ(view.Status[PanelMass], "Масса - ...");
}

TEST_F(RecalculateTest, EmptySpansTableBlanksThePicture) {
    workspace.Beam.TotalSlopeLength = 5000;
    workspace.Beam.SchemeReady = true;
    workspace.Recalculate();
    // The scheme view comes back even without spans: a report shown before is gone.
    EXPECT_EQ(view.Calls, (std::vector<std::string>{"scheme view", "clear"}));
    EXPECT_EQ(workspace.Beam.TotalSlopeLength, 0);
    EXPECT_FALSE(workspace.Beam.SchemeReady);
    EXPECT_EQ(view.Status[PanelLength], "Длина - 0 м");
    EXPECT_EQ(view.Status[PanelMass], "Масса - 0 кг");
    EXPECT_EQ(view.Status[PanelStatus], "Статус - формирование схемы");
}

TEST_F(RecalculateTest, CaptionGainsTheStarOnlyForAProjectWithAFile) {
    AppendSpan(workspace, "4");
    workspace.Recalculate();
    EXPECT_EQ(view.Caption, "Драволит-Балка");
    workspace.Beam.FilePath = "/home/user/балка.lvl";
    workspace.Beam.FileName = "балка.lvl";
    workspace.Recalculate();
    EXPECT_EQ(view.Caption, "Драволит-Балка - балка.lvl*");
}

TEST_F(RecalculateTest, AWholeBeamLoadActsOnEverySpanWhateverSpanItsRowShows) {
    AppendSpan(workspace, "4");
    AppendSpan(workspace, "3");
    AppendLoad(workspace, {"2", "1", "100", "1", "1", " ", " "});
    ASSERT_EQ(workspace.Recalculate(), RecalcOutcome::Finished);
    EXPECT_EQ(workspace.Beam.Spans[0].Loads.size(), 1u);
    EXPECT_EQ(workspace.Beam.Spans[1].Loads.size(), 1u);
}

TEST_F(RecalculateTest, ACellThatDoesNotConvertNamesTableRowAndColumn) {
    AppendSpan(workspace, "4");
    AppendLoad(workspace, {"1", "2", "100", "1", "1", " ", " "});
    AppendLoad(workspace, {"1", "2", "100", "1", "1", " ", " "});
    AppendLoad(workspace, {"1", "2", "abc", "1", "1", " ", " "});
    try {
        workspace.Recalculate();
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(),
                     "Нагрузки, строка 3, столбец \"F\": значение \"abc\" не является числом.");
    }
    // Nothing after the failing step ran; the picture and the status bar say no beam stands.
    EXPECT_EQ(view.Calls, (std::vector<std::string>{"scheme view", "clear"}));
    EXPECT_TRUE(workspace.Beam.Spans.empty());
    EXPECT_EQ(view.Status[PanelAngle], "Угол - 0°");
    EXPECT_EQ(view.Status[PanelLength], "Длина - ...");
    EXPECT_EQ(view.Status[PanelMass], "Масса - ...");
    EXPECT_EQ(view.Status[PanelStatus], "Статус - ошибка в исходных данных");

    workspace.Loads.Grid.SetCell(3, 3, "100");
    workspace.Geometry.Grid.SetCell(1, 1, "4 м");
    EXPECT_THROW(workspace.Recalculate(), ConversionError);
    workspace.Geometry.Grid.SetCell(1, 1, "4");
    workspace.Holes.Grid.SetCell(2, 1, "x");
    workspace.Beam.HoleCount = 1;
    try {
        workspace.Recalculate();
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(
            error.what(),
            "Отверстия, строка 1, столбец \"Пр.\": значение \"\" не является целым числом.");
    }
}

struct SupportCase {
    const char* name;
    int spans;
    int left;
    int right;
    RecalcOutcome outcome;
};

void PrintTo(const SupportCase& c, std::ostream* out) {
    *out << c.name;
}

class SupportCombinationTest : public RecalculateTest,
                               public ::testing::WithParamInterface<SupportCase> {};

TEST_P(SupportCombinationTest, StopsAfterTheSchemeWhenTheBeamCannotCarryLoad) {
    const SupportCase& c = GetParam();
    for (int i = 0; i < c.spans; ++i) {
        AppendSpan(workspace, "3");
    }
    AppendLoad(workspace, {"0", "1", "100", "1", "1", " ", " "});
    workspace.Geometry.LeftSupportIndex = c.left;
    workspace.Geometry.RightSupportIndex = c.right;
    workspace.Beam.SchemeReady = true;
    workspace.Beam.Calculated = true;

    EXPECT_EQ(workspace.Recalculate(), c.outcome);

    const bool stopped = c.outcome == RecalcOutcome::StoppedUnstable;
    EXPECT_EQ(CannotCarryLoad(workspace.Beam), stopped);
    EXPECT_FALSE(workspace.Beam.Calculated);
    EXPECT_EQ(workspace.Beam.SchemeReady, !stopped);
    const std::vector<std::string> drawn = {"scheme view", "draw scheme", "cannot carry"};
    const std::vector<std::string> full = {"scheme view", "draw scheme", "draw diagrams"};
    EXPECT_EQ(view.Calls, stopped ? drawn : full);
    if (!stopped) {
        test::ExpectBeamInvariants(workspace.Beam);
    }
    // The status bar says why nothing more is shown; length and mass are the new beam's.
    EXPECT_EQ(view.Status[PanelStatus],
              stopped ? "Статус - опоры не удерживают балку" : "Статус - готов к расчету");
    EXPECT_EQ(view.Status[PanelLength],
              "Длина - " + FormatCompact(static_cast<float>(c.spans) * 3.0f) + " м");
}

// Support list indexes: 0 hinge, 1 fixed, 2 free.
INSTANTIATE_TEST_SUITE_P(
    Supports, SupportCombinationTest,
    ::testing::Values(SupportCase{"OneSpanHingeFree", 1, 0, 2, RecalcOutcome::StoppedUnstable},
                      SupportCase{"OneSpanFreeHinge", 1, 2, 0, RecalcOutcome::StoppedUnstable},
                      SupportCase{"OneSpanFreeFree", 1, 2, 2, RecalcOutcome::StoppedUnstable},
                      SupportCase{"TwoSpansFreeFree", 2, 2, 2, RecalcOutcome::StoppedUnstable},
                      SupportCase{"OneSpanFixedFree", 1, 1, 2, RecalcOutcome::Finished},
                      SupportCase{"OneSpanFreeFixed", 1, 2, 1, RecalcOutcome::Finished},
                      SupportCase{"TwoSpansFreeHinge", 2, 2, 0, RecalcOutcome::Finished},
                      SupportCase{"ThreeSpansFreeFree", 3, 2, 2, RecalcOutcome::Finished},
                      SupportCase{"OneSpanFixedFixed", 1, 1, 1, RecalcOutcome::Finished}),
    [](const ::testing::TestParamInfo<SupportCase>& info) { return info.param.name; });

} // namespace
} // namespace balka
