#include "editors/LoadsEditor.h"

#include "editors/EditorBench.h"

#include <ostream>

namespace balka {
namespace {

class LoadsEditorTest : public EditorBench {
  protected:
    void SetUp() override {
        EditorBench::SetUp();
        AddSpans({"4", "5"});
        recalculationsBefore = Recalculations();
        geometryView.Focus.clear();
    }

    int recalculationsBefore = 0;
};

struct PanelCase {
    const char* Name;
    LoadKind Kind;
    LoadPanel Expected;
};

void PrintTo(const PanelCase& c, std::ostream* os) {
    *os << c.Name;
}

class KindPanel : public LoadsEditorTest, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(KindPanel, ChoosingAKindSetsPictureSpanListCaptionAndBoxes) {
    workspace.Loads.ChooseKind(GetParam().Kind);
    const LoadPanel panel = workspace.Loads.Panel();
    const LoadPanel& expected = GetParam().Expected;

    EXPECT_EQ(panel.PictureName, expected.PictureName);
    EXPECT_EQ(panel.SpanListEnabled, expected.SpanListEnabled);
    EXPECT_EQ(panel.FCaption, expected.FCaption);
    EXPECT_EQ(panel.XEnabled, expected.XEnabled);
    EXPECT_EQ(panel.SEnabled, expected.SEnabled);
    EXPECT_TRUE(panel.KdEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindPanel,
    ::testing::Values(
        PanelCase{
            "WholeBeam", LoadWholeBeam, {"GLL", false, " Нагрузка, F, кг/мп", false, false, true}},
        PanelCase{
            "WholeSpan", LoadWholeSpan, {"GLL", true, " Нагрузка, F, кг/мп", false, false, true}},
        PanelCase{"PartSpan", LoadPartSpan, {"PLL", true, " Нагрузка, F, кг/мп", true, true, true}},
        PanelCase{"Point", LoadPoint, {"DL", true, " Нагрузка, F, кг", true, false, true}}),
    [](const ::testing::TestParamInfo<PanelCase>& info) { return info.param.Name; });

TEST_F(LoadsEditorTest, PermanentLoadForcesKdToOneAndTemporaryKeepsIt) {
    LoadsEditor& loads = workspace.Loads;
    loads.KdText = "0,7";

    loads.ChoosePermanence(Permanence::Permanent);
    EXPECT_EQ(loads.KdText, "1");
    EXPECT_FALSE(loads.Panel().KdEnabled);

    loads.ChoosePermanence(Permanence::Temporary);
    EXPECT_EQ(loads.KdText, "1");
    EXPECT_TRUE(loads.Panel().KdEnabled);
}

TEST_F(LoadsEditorTest, BoxesFilterTheirKeys) {
    NumericBox box{"", 0};
    EXPECT_FALSE(workspace.Loads.KeyPress(LoadBox::X, box, U'.'));
    EXPECT_EQ(workspace.Loads.XText, "0,");
    EXPECT_FALSE(workspace.Loads.KeyPress(LoadBox::X, box, U'-'));
    EXPECT_TRUE(workspace.Loads.KeyPress(LoadBox::X, box, U'5'));
}

struct AddRefusalCase {
    const char* Name;
    EditorBench::PanelLoad Load;
    const char* Message;
    const char* Focus;
};

void PrintTo(const AddRefusalCase& c, std::ostream* os) {
    *os << c.Name;
}

class AddRefusal : public LoadsEditorTest, public ::testing::WithParamInterface<AddRefusalCase> {};

TEST_P(AddRefusal, ShowsItsMessageFocusesTheBoxAndChangesNothing) {
    AddLoad(GetParam().Load);

    EXPECT_EQ(messages.Messages, std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(loadsView.Focus, std::vector<std::string>{GetParam().Focus});
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(workspace.Loads.Grid.Cell(3, 1), "");
    EXPECT_EQ(Recalculations(), recalculationsBefore);
    // What was typed stays in the boxes.
    EXPECT_EQ(workspace.Loads.FText, GetParam().Load.F);
}

using B = EditorBench;

INSTANTIATE_TEST_SUITE_P(
    InOrder, AddRefusal,
    ::testing::Values(
        AddRefusalCase{"FEmpty", B::Whole("", ""), "Укажите значение нагрузки.", "leF"},
        AddRefusalCase{"FLetters", B::Whole("сто", ""),
                       "Значение в поле ''Нагрузка'' не является числом.", "leF"},
        AddRefusalCase{"FWithinToleranceOfZero", B::Whole("0,0009", ""),
                       "Значение нагрузки должно быть больше нуля.", "leF"},
        AddRefusalCase{"FOf1e38", B::Whole("1E38", ""),
                       "Значение нагрузки должно быть не больше 1000000.", "leF"},
        AddRefusalCase{"YfEmpty", B::Whole("100", ""),
                       "Укажите значение коэффициента надежности по нагрузке.", "leYf"},
        AddRefusalCase{"YfLetters", B::Whole("100", "x"),
                       "Значение в поле ''Коэффициент надежности'' не является числом.", "leYf"},
        AddRefusalCase{"YfNegative", B::Whole("100", "-0,1"),
                       "Значение коэффициента надежности по нагрузке не может быть отрицательным.",
                       "leYf"},
        AddRefusalCase{"YfAboveTen", B::Whole("100", "11"),
                       "Значение коэффициента надежности по нагрузке должно быть не больше 10.",
                       "leYf"},
        AddRefusalCase{"KdEmpty", B::Whole("100", "0", ""),
                       "Укажите значение коэффициента длительности.", "leKd"},
        AddRefusalCase{"KdLetters", B::Whole("100", "1", "x"),
                       "Значение в поле ''Коэффициент длительности'' не является числом.", "leKd"},
        AddRefusalCase{"KdNegative", B::Whole("100", "1", "-0,5"),
                       "Значение коэффициента длительности не может быть отрицательным.", "leKd"},
        AddRefusalCase{"KdAboveOne", B::Whole("100", "1", "1,002"),
                       "Значение коэффициента длительности не может быть больше единицы.", "leKd"},
        AddRefusalCase{"XEmpty", B::Part(1, "10", "", ""), "Укажите величину привязки.", "leX"},
        AddRefusalCase{"XLetters", B::Point(1, "10", "x"),
                       "Значение в поле ''Привязка'' не является числом.", "leX"},
        AddRefusalCase{"PartXNegative", B::Part(1, "10", "-1", ""),
                       "Величина привязки не может быть отрицательной.", "leX"},
        AddRefusalCase{"PointXZero", B::Point(1, "10", "0"),
                       "Величина привязки должна быть больше нуля.", "leX"},
        AddRefusalCase{"SEmpty", B::Part(1, "10", "0", ""), "Укажите длину нагрузки.", "leS"},
        AddRefusalCase{"SLetters", B::Part(1, "10", "0", "x"),
                       "Значение в поле ''Длина нагрузки'' не является числом.", "leS"},
        AddRefusalCase{"SZero", B::Part(1, "10", "1", "0"),
                       "Длина нагрузки должна быть больше нуля.", "leS"},
        AddRefusalCase{"PartBeyondSpan", B::Part(1, "10", "3", "1,01"),
                       "Нагрузка выходит за пределы пролета. Проверьте правильность задания "
                       "привязки и длины нагрузки.",
                       "leX"},
        AddRefusalCase{"PointWithinToleranceOfSpanEnd", B::Point(1, "10", "3,9995"),
                       "Привязка сосредоточенной нагрузки должна быть меньше длины пролета.",
                       "leX"},
        AddRefusalCase{"PointOnSecondSpanBeyondIt", B::Point(2, "10", "5"),
                       "Привязка сосредоточенной нагрузки должна быть меньше длины пролета.",
                       "leX"}),
    [](const ::testing::TestParamInfo<AddRefusalCase>& info) { return info.param.Name; });

TEST_F(LoadsEditorTest, NewLoadsAreWrittenAsRowsInTheOrderAdded) {
    AddLoad(Part(1, "10", "3", "1"));
    AddLoad(Whole("100", "0", "0,7"));
    AddLoad(Point(2, "5,50", "2,5"));
    AddLoad(OnSpan(2, "20"));

    EXPECT_TRUE(messages.Messages.empty());
    ASSERT_EQ(workspace.Beam.LoadCount, 4);
    const TextTable& grid = workspace.Loads.Grid;
    using Cells = std::vector<std::string>;
    EXPECT_EQ(Row(grid, 1), (Cells{"1", "1", "3", "10", "1,2", "1", "3", "1"}));
    EXPECT_EQ(Row(grid, 2), (Cells{"2", "0", "1", "100", "0", "0,7", " ", " "}));
    EXPECT_EQ(Row(grid, 3), (Cells{"3", "2", "4", "5,5", "1,2", "1", "2,5", " "}));
    EXPECT_EQ(Row(grid, 4), (Cells{"4", "2", "2", "20", "1,2", "1", " ", " "}));
    EXPECT_EQ(Recalculations(), recalculationsBefore + 4);
}

TEST_F(LoadsEditorTest, PartialLoadMayStartAtTheSupport) {
    AddLoad(Part(2, "10", "0", "5"));
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(workspace.Beam.LoadCount, 1);
}

TEST_F(LoadsEditorTest, SameWholeBeamLoadTwiceAddsItsValue) {
    AddLoad(Whole("100", "1,2", "1"));
    AddLoad(Whole("100", "1,2", "1"));

    ASSERT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_EQ(workspace.Loads.Grid.Cell(3, 1), "200");
    EXPECT_EQ(Recalculations(), recalculationsBefore + 2);
}

TEST_F(LoadsEditorTest, OtherSafetyFactorGivesASecondRow) {
    AddLoad(Whole("100", "1,2", "1"));
    AddLoad(Whole("100", "1,3", "1"));

    EXPECT_EQ(workspace.Beam.LoadCount, 2);
}

TEST_F(LoadsEditorTest, PointLoadsWithinAMillimetreMergeAndKeepTheFirstPosition) {
    AddLoad(Point(1, "5", "1"));
    AddLoad(Point(1, "3", "1,0005"));
    AddLoad(Point(2, "3", "1"));

    ASSERT_EQ(workspace.Beam.LoadCount, 2);
    EXPECT_EQ(workspace.Loads.Grid.Cell(3, 1), "8");
    EXPECT_EQ(workspace.Loads.Grid.Cell(6, 1), "1");
}

TEST_F(LoadsEditorTest, WithoutSpansAddingAndSnowOnlyRefuse) {
    workspace.Geometry.bClearClick();
    const int before = Recalculations();

    AddLoad(Whole("100"));
    EXPECT_FALSE(workspace.Loads.bAddSnowClick());

    const std::string refusal = "Для добавления нагрузок у балки должен быть хотя бы один пролет.";
    EXPECT_EQ(messages.Messages, (std::vector<std::string>{refusal, refusal}));
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(Recalculations(), before);
}

TEST_F(LoadsEditorTest, SnowButtonOpensTheDialogWhenThereAreSpans) {
    EXPECT_TRUE(workspace.Loads.bAddSnowClick());
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(LoadsEditorTest, DeletingRenumbersAndTheOnlyLoadLeavesABlankRow) {
    AddLoad(OnSpan(1, "10"));
    AddLoad(OnSpan(1, "20", "1,3"));
    AddLoad(OnSpan(1, "30", "1,4"));
    const int before = Recalculations();

    workspace.Loads.SelectedRow = 2;
    workspace.Loads.bDeleteClick();
    EXPECT_EQ(Column(workspace.Loads.Grid, 3, 2), (std::vector<std::string>{"10", "30"}));
    EXPECT_EQ(Column(workspace.Loads.Grid, 0, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Recalculations(), before + 1);

    workspace.Loads.DeleteLoad(1);
    workspace.Loads.DeleteLoad(1);
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(workspace.Loads.Grid.RowCount(), 2);
    EXPECT_EQ(Row(workspace.Loads.Grid, 1), std::vector<std::string>(8, ""));
}

TEST_F(LoadsEditorTest, ClearEmptiesTheTableWithOneRecalculation) {
    AddLoad(OnSpan(1, "10"));
    AddLoad(OnSpan(2, "10"));
    const int before = Recalculations();

    workspace.Loads.bClearClick();

    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(workspace.Loads.Grid.RowCount(), 2);
    EXPECT_EQ(Recalculations(), before + 1);
}

TEST_F(LoadsEditorTest, SpanListKeepsItsChoiceWhileItStillExists) {
    LoadsEditor& loads = workspace.Loads;
    EXPECT_EQ(loads.SpanItems, (std::vector<std::string>{"Пролет 1", "Пролет 2"}));
    loads.SpanIndex = 1;

    AddSpans({"3"});
    EXPECT_EQ(loads.SpanItems.size(), 3u);
    EXPECT_EQ(loads.SpanIndex, 1);

    workspace.Geometry.SelectedRow = 3;
    workspace.Geometry.bDeleteClick();
    workspace.Geometry.SelectedRow = 2;
    workspace.Geometry.bDeleteClick();
    EXPECT_EQ(loads.SpanItems, std::vector<std::string>{"Пролет 1"});
    EXPECT_EQ(loads.SpanIndex, 0);

    workspace.Geometry.bDeleteClick();
    EXPECT_TRUE(loads.SpanItems.empty());
    EXPECT_EQ(loads.SpanIndex, -1);
}

} // namespace
} // namespace balka
