#include "editors/GeometryEditor.h"

#include "editors/EditorBench.h"

#include <ostream>

namespace balka {
namespace {

struct RefusalCase {
    const char* Name;
    const char* Text;
    const char* Message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.Name;
}

std::string CaseName(const ::testing::TestParamInfo<RefusalCase>& info) {
    return info.param.Name;
}

using GeometryEditorTest = EditorBench;

TEST_F(GeometryEditorTest, AddedSpansAreWrittenCompactAndNumbered) {
    AddSpans({"2,50", "0,002"});

    EXPECT_EQ(workspace.Beam.SpanCount, 2);
    EXPECT_EQ(Row(workspace.Geometry.Grid, 1), (std::vector<std::string>{"1", "2,5"}));
    EXPECT_EQ(Row(workspace.Geometry.Grid, 2), (std::vector<std::string>{"2", "0,002"}));
    EXPECT_EQ(workspace.Geometry.SelectedRow, 2);
    EXPECT_EQ(geometryView.Cells.back(), std::make_pair(1, 2));
    EXPECT_EQ(geometryView.Focus.back(), "leSpanLength");
    EXPECT_EQ(workspace.Loads.SpanItems, (std::vector<std::string>{"Пролет 1", "Пролет 2"}));
    EXPECT_EQ(workspace.Holes.SpanItems, (std::vector<std::string>{"Пролет 1", "Пролет 2"}));
    EXPECT_EQ(Recalculations(), 2);
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(GeometryEditorTest, FullStopTypedIntoEmptyBoxBecomesZeroAndSeparatorAndEnterAdds) {
    NumericBox box{"", 0};
    EXPECT_FALSE(workspace.Geometry.leSpanLengthKeyPress(box, U'.'));
    EXPECT_EQ(box.Text, "0,");
    EXPECT_EQ(box.Caret, 2u);
    EXPECT_FALSE(workspace.Geometry.leSpanLengthKeyPress(box, U'x'));
    box.Text = "0,5";
    EXPECT_FALSE(workspace.Geometry.leSpanLengthKeyPress(box, KeyEnter));

    EXPECT_EQ(workspace.Beam.SpanCount, 1);
    EXPECT_EQ(workspace.Geometry.Grid.Cell(1, 1), "0,5");
    EXPECT_EQ(Recalculations(), 1);
}

class SpanLengthRefusal : public EditorBench, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SpanLengthRefusal, ShowsItsMessageFocusesTheBoxAndChangesNothing) {
    AddSpans({GetParam().Text});

    EXPECT_EQ(messages.Messages, std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(geometryView.Focus, std::vector<std::string>{"leSpanLength"});
    EXPECT_EQ(workspace.Beam.SpanCount, 0);
    EXPECT_EQ(Row(workspace.Geometry.Grid, 1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Recalculations(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpanLengthRefusal,
    ::testing::Values(
        RefusalCase{"Empty", "", "Укажите длину добавляемого пролета."},
        RefusalCase{"Letters", "два", "Значение длины пролета не является числом."},
        RefusalCase{"FullStop", "2.5", "Значение длины пролета не является числом."},
        RefusalCase{"BelowTolerance", "0,0005", "Значение длины пролета должно быть больше нуля."},
        RefusalCase{"Negative", "-1", "Значение длины пролета должно быть больше нуля."},
        RefusalCase{"LongerThanFiftyMetres", "50,01",
                    "Значение длины пролета должно быть не больше 50 м."},
        RefusalCase{"TwoThousandKilometres", "2000000",
                    "Значение длины пролета должно быть не больше 50 м."}),
    CaseName);

TEST_F(GeometryEditorTest, DeletingTheMiddleSpanTakesItsLoadsAndHolesAndRenumbersTheRest) {
    AddSpans({"4", "5", "6"});
    AddLoad(Whole("100"));
    AddLoad(OnSpan(1, "10"));
    AddLoad(OnSpan(2, "20"));
    AddLoad(Point(2, "30", "1"));
    AddLoad(OnSpan(3, "40"));
    AppendHole(workspace, {"1", "50", "1", "0,1"});
    AppendHole(workspace, {"2", "50", "1", "0,1"});
    AppendHole(workspace, {"2", "50", "3", "0,1"});
    AppendHole(workspace, {"3", "60", "2", "0,1"});
    const int before = Recalculations();

    workspace.Geometry.SelectedRow = 2;
    workspace.Geometry.bDeleteClick();

    EXPECT_EQ(workspace.Beam.SpanCount, 2);
    EXPECT_EQ(Column(workspace.Geometry.Grid, 1, 2), (std::vector<std::string>{"4", "6"}));
    EXPECT_EQ(Column(workspace.Geometry.Grid, 0, 2), (std::vector<std::string>{"1", "2"}));
    const TextTable& loads = workspace.Loads.Grid;
    ASSERT_EQ(workspace.Beam.LoadCount, 3);
    EXPECT_EQ(Column(loads, 1, 3), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(Column(loads, 3, 3), (std::vector<std::string>{"100", "10", "40"}));
    EXPECT_EQ(Column(loads, 0, 3), (std::vector<std::string>{"1", "2", "3"}));
    ASSERT_EQ(workspace.Beam.HoleCount, 2);
    EXPECT_EQ(Column(workspace.Holes.Grid, 1, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(workspace.Holes.Grid, 2, 2), (std::vector<std::string>{"50", "60"}));
    EXPECT_EQ(workspace.Loads.SpanItems, (std::vector<std::string>{"Пролет 1", "Пролет 2"}));
    EXPECT_EQ(Recalculations(), before + 1);
}

TEST_F(GeometryEditorTest, DeletingTheOnlySpanEmptiesLoadsAndHoles) {
    AddSpans({"4"});
    AddLoad(Whole("100"));
    AppendHole(workspace, {"1", "50", "1", "0,1"});

    workspace.Geometry.bDeleteClick();

    EXPECT_EQ(workspace.Beam.SpanCount, 0);
    EXPECT_EQ(Row(workspace.Geometry.Grid, 1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(workspace.Geometry.Grid.RowCount(), 2);
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(workspace.Loads.Grid.Cell(3, 1), "");
    EXPECT_EQ(workspace.Beam.HoleCount, 0);
    EXPECT_TRUE(workspace.Loads.SpanItems.empty());
    EXPECT_EQ(workspace.Loads.SpanIndex, -1);
    EXPECT_EQ(view.Status[PanelLength], "Длина - 0 м");
}

TEST_F(GeometryEditorTest, ClearEmptiesSpansLoadsAndHolesWithOneRecalculation) {
    AddSpans({"4", "5"});
    AddLoad(OnSpan(2, "10"));
    AppendHole(workspace, {"2", "50", "1", "0,1"});
    const int before = Recalculations();

    workspace.Geometry.bClearClick();

    EXPECT_EQ(workspace.Beam.SpanCount, 0);
    EXPECT_EQ(workspace.Geometry.Grid.RowCount(), 2);
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(workspace.Beam.HoleCount, 0);
    EXPECT_EQ(Recalculations(), before + 1);
}

TEST_F(GeometryEditorTest, CellsAreEditableOnlyInTheLengthColumnOfExistingSpans) {
    EXPECT_FALSE(workspace.Geometry.GridCanEditCell(1, 1));
    AddSpans({"4"});
    EXPECT_TRUE(workspace.Geometry.GridCanEditCell(1, 1));
    EXPECT_FALSE(workspace.Geometry.GridCanEditCell(0, 1));
    EXPECT_FALSE(workspace.Geometry.GridCanEditCell(1, 0));
    EXPECT_TRUE(workspace.Geometry.GridKeyPress(U'.'));
    EXPECT_TRUE(workspace.Geometry.GridKeyPress(U'7'));
    EXPECT_FALSE(workspace.Geometry.GridKeyPress(U'e'));
}

TEST_F(GeometryEditorTest, UnchangedLengthEditDoesNothing) {
    AddSpans({"4"});
    const int before = Recalculations();

    workspace.Geometry.GridDblClickCell(1, 1);
    workspace.Geometry.GridEditCellDone(1, 1, "4");

    EXPECT_EQ(Recalculations(), before);
    EXPECT_TRUE(messages.Messages.empty());
}

class SpanCellRefusal : public EditorBench, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SpanCellRefusal, PutsThePreviousTextBackWithoutRecalculating) {
    AddSpans({"4", "5"});
    const int before = Recalculations();

    workspace.Geometry.GridDblClickCell(1, 2);
    workspace.Geometry.GridEditCellDone(1, 2, GetParam().Text);

    EXPECT_EQ(messages.Messages, std::vector<std::string>{std::string(GetParam().Message) +
                                                          " Возвращено предыдущее значение."});
    EXPECT_EQ(workspace.Geometry.Grid.Cell(1, 2), "5");
    EXPECT_EQ(geometryView.Cells.back(), std::make_pair(1, 2));
    EXPECT_EQ(Recalculations(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpanCellRefusal,
    ::testing::Values(RefusalCase{"Empty", "", "Ячейка не может быть пустой."},
                      RefusalCase{"Letters", "пять", "Введенное значение не является числом."},
                      RefusalCase{"FullStop", "4.5", "Введенное значение не является числом."},
                      RefusalCase{"Zero", "0", "Значение длины должно быть больше нуля."},
                      RefusalCase{"LongerThanFiftyMetres", "51",
                                  "Значение длины пролета должно быть не больше 50 м."}),
    CaseName);

TEST_F(GeometryEditorTest, ShorteningASpanSilentlyDropsWhatNoLongerFits) {
    AddSpans({"5", "5"});
    AddLoad(Point(1, "1", "4"));                      // exactly at the new length: goes
    AddLoad(Point(1, "2", "3,99"));                   // keeps
    AddLoad(Part(1, "3", "3", "1"));                  // ends exactly at 4: keeps
    AddLoad(Part(1, "4", "3", "1,5"));                // ends at 4,5: goes
    AddLoad(OnSpan(1, "5"));                          // keeps
    AddLoad(Point(2, "6", "4,5"));                    // other span: keeps
    AppendHole(workspace, {"1", "50", "4", "0,1"});   // exactly at 4: keeps
    AppendHole(workspace, {"1", "50", "4,5", "0,1"}); // goes
    AppendHole(workspace, {"2", "50", "4,5", "0,1"}); // other span: keeps
    const int before = Recalculations();

    workspace.Geometry.GridDblClickCell(1, 1);
    workspace.Geometry.GridEditCellDone(1, 1, "4,00");

    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(workspace.Geometry.Grid.Cell(1, 1), "4");
    ASSERT_EQ(workspace.Beam.LoadCount, 4);
    EXPECT_EQ(Column(workspace.Loads.Grid, 3, 4), (std::vector<std::string>{"2", "3", "5", "6"}));
    EXPECT_EQ(Column(workspace.Loads.Grid, 0, 4), (std::vector<std::string>{"1", "2", "3", "4"}));
    ASSERT_EQ(workspace.Beam.HoleCount, 2);
    EXPECT_EQ(Column(workspace.Holes.Grid, 3, 2), (std::vector<std::string>{"4", "4,5"}));
    EXPECT_EQ(Recalculations(), before + 1);
}

class AngleRefusal : public EditorBench, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AngleRefusal, EnterShowsItsMessageAndDoesNotRecalculate) {
    NumericBox box{GetParam().Text, 0};
    workspace.Geometry.leAngleKeyPress(box, KeyEnter);

    EXPECT_EQ(messages.Messages, std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(geometryView.Focus, std::vector<std::string>{"leAngle"});
    EXPECT_EQ(Recalculations(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AngleRefusal,
    ::testing::Values(RefusalCase{"Empty", "", "Укажите угол наклона балки."},
                      RefusalCase{"Letters", "угол", "Значение угла наклона не является числом."},
                      RefusalCase{"Negative", "-1", "Значение угла не может быть отрицательным."},
                      RefusalCase{"Right", "90", "Значение угла должно быть меньше 90."},
                      RefusalCase{"WithinToleranceOfRight", "89,9995",
                                  "Значение угла должно быть меньше 90."},
                      RefusalCase{"Beyond", "95", "Значение угла должно быть меньше 90."}),
    CaseName);

TEST_F(GeometryEditorTest, AcceptedAngleRecalculatesAndAnyChangeMarksTheStatusPending) {
    AddSpans({"3"});
    workspace.Geometry.leAngleChange("89,99");
    EXPECT_EQ(view.Status[PanelAngle], "Угол - ...");
    const int before = Recalculations();

    NumericBox box{"89,99", 5};
    workspace.Geometry.leAngleKeyPress(box, KeyEnter);

    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(Recalculations(), before + 1);
    EXPECT_EQ(view.Status[PanelAngle], "Угол - 89,99°");
}

TEST_F(GeometryEditorTest, SupportChoiceIsReadByTheNextRecalculation) {
    AddSpans({"3", "3"});
    const int before = Recalculations();

    workspace.Geometry.cbLeftSupportChange(1);
    workspace.Geometry.cbRightSupportChange(2);

    EXPECT_EQ(workspace.Beam.LeftSupport, SupportFixed);
    EXPECT_EQ(workspace.Beam.RightSupport, SupportFree);
    EXPECT_EQ(Recalculations(), before + 2);
}

TEST_F(GeometryEditorTest, ClearSpansLeavesLoadsToTheCaller) {
    AddSpans({"3", "4"});
    AddLoad(Whole("100"));
    const int before = Recalculations();

    workspace.Geometry.ClearSpans();

    EXPECT_EQ(workspace.Beam.SpanCount, 0);
    EXPECT_EQ(workspace.Geometry.Grid.RowCount(), 2);
    EXPECT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_TRUE(workspace.Loads.SpanItems.empty());
    EXPECT_EQ(Recalculations(), before);
}

TEST_F(GeometryEditorTest, TableFilledFromOutsideIsNumberedAndShownByRenumbering) {
    workspace.Geometry.Grid.SetDataRowCount(2);
    workspace.Geometry.Grid.SetCell(1, 1, "3");
    workspace.Geometry.Grid.SetCell(1, 2, "4");
    workspace.Beam.SpanCount = 2;
    const int refreshes = geometryView.Refreshes;

    workspace.Geometry.RenumberSpans();

    EXPECT_EQ(Column(workspace.Geometry.Grid, 0, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_GT(geometryView.Refreshes, refreshes);
}

} // namespace
} // namespace balka
