// The reactions window's model as the user meets it: every recalculation fills its table from
// the beam the editors describe, a sloped beam says its forces are vertical, end supports that
// cannot carry load leave it empty with the reason, and the copied text holds what is shown.
#include "editors/ReactionsDialog.h"

#include "editors/EditorBench.h"
#include "model/ConversionError.h"

namespace balka {
namespace {

class ReactionsDialogTest : public EditorBench {
  protected:
    void SetUp() override {
        EditorBench::SetUp();
        workspace.Reactions.AttachView(&reactionsView);
    }

    RecordingEditorView reactionsView;
};

TEST_F(ReactionsDialogTest, EveryRecalculationFillsOneRowPerSupport) {
    AddSpans({"6", "6"});
    const int refreshes = reactionsView.Refreshes;
    AddLoad(Whole("100", "1,2", "0,5"));

    const ReactionsDialog& reactions = workspace.Reactions;
    EXPECT_GT(reactionsView.Refreshes, refreshes);
    ASSERT_EQ(reactions.SupportCount, 3);
    EXPECT_EQ(Row(reactions.Grid, 0),
              (std::vector<std::string>{"№", "x, мм", "Расчетная, кг", "Нормативная, кг",
                                        "Длительная, кг", "Момент, кг·м"}));
    // 3wL/8, 10wL/8, 3wL/8 of 120, 100 and 50 kg/m over 6 m.
    EXPECT_EQ(Row(reactions.Grid, 1),
              (std::vector<std::string>{"1", "0", "270", "225", "112,5", ""}));
    EXPECT_EQ(Row(reactions.Grid, 2),
              (std::vector<std::string>{"2", "6000", "900", "750", "375", ""}));
    EXPECT_EQ(Row(reactions.Grid, 3),
              (std::vector<std::string>{"3", "12000", "270", "225", "112,5", ""}));
    EXPECT_EQ(reactions.Note.find("наклонная"), std::string::npos);
    EXPECT_EQ(reactions.Warning, "");
}

TEST_F(ReactionsDialogTest, FixedEndShowsItsMomentAndASlopedBeamItsVerticalForces) {
    workspace.Geometry.leAngleChange("30");
    workspace.Geometry.cbLeftSupportChange(1);
    AddSpans({"6"});
    AddLoad(Whole("100", "1", "1"));

    const ReactionsDialog& reactions = workspace.Reactions;
    ASSERT_EQ(reactions.SupportCount, 2);
    // 5wL/8 and -wL^2/8 on the horizontal 6 m; the right hinge 3wL/8.
    EXPECT_EQ(Row(reactions.Grid, 1),
              (std::vector<std::string>{"1", "0", "375", "375", "375", "-450"}));
    EXPECT_EQ(reactions.Grid.Cell(2, 2), "225");
    EXPECT_NE(reactions.Note.find("Балка наклонная: реакции - вертикальные силы."),
              std::string::npos);
}

TEST_F(ReactionsDialogTest, EndsThatCannotCarryLoadLeaveNoRowsAndSayWhy) {
    AddSpans({"6"});
    AddLoad(Whole("100"));
    ASSERT_EQ(workspace.Reactions.SupportCount, 2);

    workspace.Geometry.cbRightSupportChange(2);

    const ReactionsDialog& reactions = workspace.Reactions;
    EXPECT_EQ(reactions.SupportCount, 0);
    EXPECT_EQ(Row(reactions.Grid, 1), std::vector<std::string>(6, ""));
    EXPECT_EQ(reactions.Warning, "При таких крайних опорах балка не может нести нагрузку.");
    EXPECT_EQ(reactions.Note, "");
}

TEST_F(ReactionsDialogTest, RecalculationThatACellEndsShowsNoOldReactions) {
    AddSpans({"6"});
    AddLoad(Whole("100"));
    ASSERT_EQ(workspace.Reactions.SupportCount, 2);
    workspace.Geometry.Grid.SetCell(1, 1, "шесть");

    EXPECT_THROW(workspace.Recalculate(), ConversionError);

    EXPECT_EQ(workspace.Reactions.SupportCount, 0);
    EXPECT_TRUE(workspace.Reactions.Result.Supports.empty());
}

TEST_F(ReactionsDialogTest, CopiedTextHoldsTheCaptionTheTableAndTheNote) {
    workspace.Geometry.cbRightSupportChange(1);
    AddSpans({"4"});
    // 5P/16 and 11P/16 of 1200 kg at mid-span, -3PL/16 at the fixed end.
    AddLoad(Point(1, "1000", "2"));

    const ReactionsDialog& reactions = workspace.Reactions;
    EXPECT_EQ(reactions.CopyText(),
              "Реакции опор\n"
              "№\tx, мм\tРасчетная, кг\tНормативная, кг\tДлительная, кг\tМомент, кг·м\n"
              "1\t0\t375\t312,5\t312,5\t\n"
              "2\t4000\t825\t687,5\t687,5\t-900\n" +
                  reactions.Note + "\n");
}

} // namespace
} // namespace balka
