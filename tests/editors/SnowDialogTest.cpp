#include "editors/SnowDialog.h"

#include "editors/EditorBench.h"

#include <ostream>

namespace balka {
namespace {

class SnowDialogTest : public EditorBench {
  protected:
    void SetUp() override {
        EditorBench::SetUp();
        AddSpans({"6"});
    }

    // Region IV (168 kg/m2), as the user picks it from the list.
    void ChooseRegionFourAndWidth(const std::string& width) {
        workspace.Snow.cbSnowChange(3);
        workspace.Snow.leBChange(width);
    }
};

TEST_F(SnowDialogTest, RegionFourOverThreeMetresIsAWholeBeamLoadOf504) {
    ChooseRegionFourAndWidth("3");
    EXPECT_EQ(workspace.Snow.LoadLabel, "Нормативная нагрузка - 504 кг/м.п.");
    const int before = Recalculations();

    EXPECT_EQ(workspace.Snow.bAddClick(), DialogAfterAdd::Close);

    EXPECT_TRUE(messages.Messages.empty());
    ASSERT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_EQ(Row(workspace.Loads.Grid, 1),
              (std::vector<std::string>{"1", "0", "1", "504", "1,4", "0,7", " ", " "}));
    EXPECT_EQ(Recalculations(), before + 1);
    EXPECT_EQ(workspace.Loads.FText, "504");
}

TEST_F(SnowDialogTest, MildJanuaryGivesNoLongTermShare) {
    ChooseRegionFourAndWidth("3");
    workspace.Snow.ChooseTemperature(JanuaryTemperature::AboveMinus5);

    workspace.Snow.bAddClick();

    EXPECT_EQ(workspace.Loads.Grid.Cell(5, 1), "0");
}

TEST_F(SnowDialogTest, SameSnowTwiceIsOneRowWithTwiceTheLoad) {
    ChooseRegionFourAndWidth("3");
    workspace.Snow.bAddClick();
    workspace.Snow.bAddClick();

    ASSERT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_EQ(workspace.Loads.Grid.Cell(3, 1), "1008");
}

TEST_F(SnowDialogTest, ZeroWidthIsRefusedByTheLoadsEditorAndTheDialogStaysOpen) {
    ChooseRegionFourAndWidth("0");
    const int before = Recalculations();

    EXPECT_EQ(workspace.Snow.bAddClick(), DialogAfterAdd::KeepOpen);

    EXPECT_EQ(messages.Messages,
              std::vector<std::string>{"Значение нагрузки должно быть больше нуля."});
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(workspace.Loads.FText, "0");
    EXPECT_EQ(workspace.Loads.YfText, "1,4");
    EXPECT_EQ(Recalculations(), before);
}

TEST_F(SnowDialogTest, SnowSwitchesTheLoadsPanelToATemporaryWholeBeamLoad) {
    workspace.Loads.ChooseKind(LoadPoint);
    workspace.Loads.ChoosePermanence(Permanence::Permanent);
    ChooseRegionFourAndWidth("1");

    workspace.Snow.bAddClick();

    EXPECT_EQ(workspace.Loads.Kind, LoadWholeBeam);
    EXPECT_EQ(workspace.Loads.Duration, Permanence::Temporary);
    EXPECT_EQ(workspace.Loads.Grid.Cell(5, 1), "0,7");
}

TEST_F(SnowDialogTest, LabelWaitsForANumber) {
    ChooseRegionFourAndWidth("");
    EXPECT_EQ(workspace.Snow.LoadLabel, "Нормативная нагрузка - ...");
    NumericBox box{"", 0};
    workspace.Snow.leBKeyPress(box, U',');
    EXPECT_EQ(workspace.Snow.WidthText, "0,");
    EXPECT_EQ(workspace.Snow.LoadLabel, "Нормативная нагрузка - 0 кг/м.п.");
    workspace.Snow.leBChange("-1");
    EXPECT_EQ(workspace.Snow.LoadLabel, "Нормативная нагрузка - -168 кг/м.п.");
}

struct WidthRefusalCase {
    const char* Name;
    const char* Text;
    const char* Message;
};

void PrintTo(const WidthRefusalCase& c, std::ostream* os) {
    *os << c.Name;
}

class WidthRefusal : public SnowDialogTest,
                     public ::testing::WithParamInterface<WidthRefusalCase> {};

TEST_P(WidthRefusal, ShowsItsMessageAndChangesNothing) {
    ChooseRegionFourAndWidth(GetParam().Text);
    const int before = Recalculations();

    EXPECT_EQ(workspace.Snow.bAddClick(), DialogAfterAdd::KeepOpen);

    EXPECT_EQ(messages.Messages, std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(snowView.Focus, std::vector<std::string>{"leB"});
    EXPECT_EQ(workspace.Loads.FText, "");
    EXPECT_EQ(Recalculations(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WidthRefusal,
    ::testing::Values(
        WidthRefusalCase{"Empty", "", "Укажите значение ширины грузовой площади."},
        WidthRefusalCase{"Letters", "x",
                         "Значение в поле ''Ширина грузовой площади'' не является числом."},
        WidthRefusalCase{"Negative", "-0,5",
                         "Значение ширины грузовой площади не может быть отрицательным."}),
    [](const ::testing::TestParamInfo<WidthRefusalCase>& info) { return info.param.Name; });

TEST_F(SnowDialogTest, SpansDeletedWhileTheDialogIsOpenRefuseTheLoad) {
    ChooseRegionFourAndWidth("3");
    workspace.Geometry.bClearClick();

    EXPECT_EQ(workspace.Snow.bAddClick(), DialogAfterAdd::KeepOpen);

    EXPECT_EQ(messages.Messages,
              std::vector<std::string>{"Для добавления нагрузок у балки должен быть хотя бы один "
                                       "пролет."});
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
}

} // namespace
} // namespace balka
