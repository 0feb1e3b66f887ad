// The holes editor driven through its operations: the checks in their order, the 200 mm
// clearance within a span and across a support (shrunk by the slope's cosine), the ordering by
// span, deleting and clearing, in-place edits, and one recalculation per accepted change.
#include "editors/HolesEditor.h"

#include "model/Numbers.h"
#include "support/RecordingEditorView.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace balka {
namespace {

class HolesEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        holes.AttachView(&editorView);
    }

    // Fills the spans table as the geometry editor does and reads it once, so that the slope
    // is the one of the last recalculation.
    void SetSpans(const std::vector<std::string>& lengths, const std::string& angle = "0") {
        workspace.Geometry.Grid.Clear();
        workspace.Beam.SpanCount = 0;
        for (const std::string& length : lengths) {
            AppendSpan(workspace, length);
        }
        workspace.Geometry.AngleText = angle;
        workspace.Recalculate();
        holes.RefreshSpanList();
        view.Calls.clear();
    }

    // Chooses span `span` and the three boxes, then presses "Добавить".
    void Add(int span, const std::string& d, const std::string& x, const std::string& y = "0,1") {
        holes.SpanIndex = span - 1;
        holes.DText = d;
        holes.XText = x;
        holes.YText = y;
        holes.bAddClick();
    }

    int Recalculations() const {
        return static_cast<int>(
            std::count_if(view.Calls.begin(), view.Calls.end(),
                          [](const std::string& call) { return call == "scheme view"; }));
    }

    std::vector<std::string> Column(int column) const {
        std::vector<std::string> cells;
        for (int row = 1; row <= workspace.Beam.HoleCount; ++row) {
            cells.push_back(holes.Grid.Cell(column, row));
        }
        return cells;
    }

    RecordingView view;
    RecordingMessageSink messages;
    RecordingEditorView editorView;
    Workspace workspace{view, messages};
    HolesEditor& holes = workspace.Holes;
};

const char* const kTooClose = "Расстояние между краями отверстий должно быть не менее 200 мм.";
const char* const kBeyond = "Привязка отверстия не может быть больше длины пролета.";

struct RefusalCase {
    const char* name;
    const char* d;
    const char* x;
    const char* y;
    const char* message;
    const char* focus;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class HoleRefusalTest : public HolesEditorTest,
                        public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(HoleRefusalTest, RefusedAddShowsItsMessageFocusesTheBoxAndChangesNothing) {
    const RefusalCase& c = GetParam();
    SetSpans({"3"});
    Add(1, c.d, c.x, c.y);
    EXPECT_EQ(messages.Messages, std::vector<std::string>{c.message});
    EXPECT_EQ(editorView.Focus, std::vector<std::string>{c.focus});
    EXPECT_EQ(workspace.Beam.HoleCount, 0);
    EXPECT_EQ(holes.Grid.RowCount(), 2);
    EXPECT_EQ(holes.Grid.Cell(1, 1), "");
    EXPECT_EQ(Recalculations(), 0);
}

// The boxes are read in the order d, x, y; the first failing check of the first failing box
// speaks. Two blanks follow "поле" because the captions begin with one.
INSTANTIATE_TEST_SUITE_P(
    Boxes, HoleRefusalTest,
    ::testing::Values(
        RefusalCase{"EmptyDiameterFirst", "", "", "", "Укажите значение диаметра отверстия.",
                    "leD"},
        RefusalCase{"DiameterNotNumber", "5a", "1", "0,1",
                    "Значение в поле  Диаметр отверстия, d, мм не является числом.", "leD"},
        RefusalCase{"DiameterNotWhole", "12,5", "1", "0,1",
                    "Значение в поле  Диаметр отверстия, d, мм не является числом.", "leD"},
        RefusalCase{"ZeroDiameter", "0", "1", "0,1",
                    "Значение диаметра отверстия должно быть больше нуля.", "leD"},
        RefusalCase{"LargestWholeDiameter", "2147483647", "1", "0,1",
                    "Значение диаметра отверстия должно быть не больше 1000 мм.", "leD"},
        RefusalCase{"EmptyX", "50", "", "", "Укажите значение привязки отверстия к опоре.", "leX"},
        RefusalCase{"XNotNumber", "50", "1.5", "0,1",
                    "Значение в поле  Привязка к опоре, х, м не является числом.", "leX"},
        RefusalCase{"NegativeX", "50", "-0,002", "0,1",
                    "Значение привязки к опоре не может быть отрицательным.", "leX"},
        RefusalCase{"EmptyY", "50", "1", "", "Укажите значение привязки отверстия по высоте.",
                    "leY"},
        RefusalCase{"YNotNumber", "50", "1", "y",
                    "Значение в поле  Привязка по высоте, у, м не является числом.", "leY"},
        RefusalCase{"NegativeY", "50", "1", "-0,01",
                    "Значение привязки по высоте не может быть отрицательным.", "leY"},
        RefusalCase{"YAboveTwoMetres", "50", "1", "2,5",
                    "Значение привязки отверстия по высоте должно быть не больше 2 м.", "leY"},
        RefusalCase{"BeyondTheSpan", "50", "3,01", "0,1", kBeyond, "leX"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(HolesEditorTest, AddingToABeamWithoutSpansIsRefused) {
    holes.RefreshSpanList();
    EXPECT_TRUE(holes.SpanItems.empty());
    EXPECT_EQ(holes.SpanIndex, -1);
    Add(1, "50", "1");
    EXPECT_EQ(messages.Messages,
              std::vector<std::string>{
                  "Для добавления отверстий у балки должен быть хотя бы один пролет."});
    EXPECT_EQ(workspace.Beam.HoleCount, 0);
    EXPECT_EQ(Recalculations(), 0);
}

TEST_F(HolesEditorTest, AcceptedHoleIsWrittenAsTypedAndRecalculatedOnce) {
    SetSpans({"3", "4"});
    Add(2, "041", "1,50", "0,20");
    EXPECT_TRUE(messages.Messages.empty());
    ASSERT_EQ(workspace.Beam.HoleCount, 1);
    EXPECT_EQ(holes.Grid.Cell(0, 1), "1");
    EXPECT_EQ(holes.Grid.Cell(1, 1), "2");
    EXPECT_EQ(holes.Grid.Cell(2, 1), "041");
    EXPECT_EQ(holes.Grid.Cell(3, 1), "1,5");
    EXPECT_EQ(holes.Grid.Cell(4, 1), "0,2");
    EXPECT_EQ(Recalculations(), 1);
    ASSERT_EQ(workspace.Beam.Spans[1].Weaks.size(), 1u);
    EXPECT_EQ(workspace.Beam.Spans[1].Weaks[0].Diameter, 41);
    EXPECT_EQ(workspace.Beam.Spans[1].Weaks[0].OffsetX, 1500);
}

TEST_F(HolesEditorTest, HoleExactlyAtTheSpanEndIsAccepted) {
    SetSpans({"3"});
    Add(1, "50", "3");
    Add(1, "50", "3,01");
    EXPECT_EQ(workspace.Beam.HoleCount, 1);
    EXPECT_EQ(messages.Messages, std::vector<std::string>{kBeyond});
}

struct ClearanceCase {
    const char* name;
    const char* angle;
    const char* x;
    bool accepted;
};

void PrintTo(const ClearanceCase& c, std::ostream* out) {
    *out << c.name;
}

class ClearanceTest : public HolesEditorTest,
                      public ::testing::WithParamInterface<ClearanceCase> {};

// Against a hole of 100 mm at x = 1 (edges 0,95 and 1,05): the second hole of 100 mm needs its
// edge 0,2 m away on a level beam, 0,2 x cos 60° = 0,1 m on a beam sloped at 60°.
TEST_P(ClearanceTest, SecondHoleInTheSameSpanKeepsTheGap) {
    const ClearanceCase& c = GetParam();
    SetSpans({"4"}, c.angle);
    Add(1, "100", "1");
    Add(1, "100", c.x);
    EXPECT_EQ(workspace.Beam.HoleCount, c.accepted ? 2 : 1);
    EXPECT_EQ(messages.Messages,
              c.accepted ? std::vector<std::string>{} : std::vector<std::string>{kTooClose});
}

INSTANTIATE_TEST_SUITE_P(Gaps, ClearanceTest,
                         ::testing::Values(ClearanceCase{"LevelRightGap15cm", "0", "1,25", false},
                                           ClearanceCase{"LevelRightGap21cm", "0", "1,31", true},
                                           ClearanceCase{"LevelLeftGap10cm", "0", "0,8", false},
                                           ClearanceCase{"LevelLeftGap21cm", "0", "0,69", true},
                                           ClearanceCase{"LevelSamePlace", "0", "1", false},
                                           ClearanceCase{"Slope60Gap9cm", "60", "1,19", false},
                                           ClearanceCase{"Slope60Gap11cm", "60", "1,21", true},
                                           ClearanceCase{"Slope60LeftGap9cm", "60", "0,81", false},
                                           ClearanceCase{"Slope60LeftGap11cm", "60", "0,79", true}),
                         [](const ::testing::TestParamInfo<ClearanceCase>& info) {
                             return info.param.name;
                         });

struct SupportCase {
    const char* name;
    std::vector<std::string> spans;
    int firstSpan;
    const char* firstX;
    int secondSpan;
    const char* secondX;
};

void PrintTo(const SupportCase& c, std::ostream* out) {
    *out << c.name;
}

class AcrossSupportTest : public HolesEditorTest,
                          public ::testing::WithParamInterface<SupportCase> {};

// Span 1 is 3 m: holes of 50 mm at 2,95 in span 1 and at 0,05 in span 2 are 0,05 m apart
// across the support, whichever comes first and however many spans follow.
TEST_P(AcrossSupportTest, HolesOnBothSidesOfASupportKeepTheGap) {
    const SupportCase& c = GetParam();
    SetSpans(c.spans);
    Add(c.firstSpan, "50", c.firstX);
    Add(c.secondSpan, "50", c.secondX);
    EXPECT_EQ(workspace.Beam.HoleCount, 1);
    EXPECT_EQ(messages.Messages, std::vector<std::string>{kTooClose});
}

INSTANTIATE_TEST_SUITE_P(
    Supports, AcrossSupportTest,
    ::testing::Values(SupportCase{"LeftFirstTwoSpans", {"3", "3"}, 1, "2,95", 2, "0,05"},
                      SupportCase{"RightFirstTwoSpans", {"3", "3"}, 2, "0,05", 1, "2,95"},
                      SupportCase{"LeftFirstThreeSpans", {"3", "5", "2"}, 1, "2,95", 2, "0,05"},
                      SupportCase{"RightFirstThreeSpans", {"3", "5", "2"}, 2, "0,05", 1, "2,95"},
                      SupportCase{"SecondSupportRightFirst", {"3", "5", "2"}, 3, "0,1", 2, "4,9"}),
    [](const ::testing::TestParamInfo<SupportCase>& info) { return info.param.name; });

TEST_F(HolesEditorTest, HolesFarEnoughAcrossASupportAreBothAccepted) {
    // Holes of 50 mm at 2,9 in span 1 (3 m) and at x in span 2 leave a gap of x + 0,05 m.
    SetSpans({"3", "3"});
    Add(1, "50", "2,9");
    Add(2, "50", "0,12");
    EXPECT_EQ(messages.Messages, std::vector<std::string>{kTooClose});
    Add(2, "50", "0,18");
    EXPECT_EQ(workspace.Beam.HoleCount, 2);
    EXPECT_EQ(messages.Messages.size(), 1u);
}

TEST_F(HolesEditorTest, RowsAreKeptInSpanOrderAndNumbered) {
    SetSpans({"3", "3", "3"});
    Add(3, "50", "1");
    Add(1, "50", "1");
    Add(2, "50", "1");
    Add(1, "30", "2");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"1", "1", "2", "3"}));
    // Holes of one span keep the order in which they were entered.
    EXPECT_EQ(Column(2), (std::vector<std::string>{"50", "30", "50", "50"}));
    EXPECT_EQ(Recalculations(), 4);
}

TEST_F(HolesEditorTest, DeletingAndClearing) {
    SetSpans({"3", "3"});
    Add(1, "50", "1");
    holes.bDeleteClick(1);
    EXPECT_EQ(workspace.Beam.HoleCount, 0);
    EXPECT_EQ(holes.Grid.RowCount(), 2);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(holes.Grid.Cell(column, 1), "");
    }

    Add(1, "50", "1");
    Add(2, "40", "1");
    Add(2, "30", "2");
    holes.DeleteHole(2);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"50", "30"}));
    holes.DeleteHole(7); // no such row: nothing happens
    EXPECT_EQ(workspace.Beam.HoleCount, 2);

    view.Calls.clear();
    holes.bClearClick();
    EXPECT_EQ(workspace.Beam.HoleCount, 0);
    EXPECT_EQ(holes.Grid.RowCount(), 2);
    EXPECT_EQ(Recalculations(), 1);
}

TEST_F(HolesEditorTest, RenumberingAFilledTableShowsIt) {
    // As project loading fills the table.
    holes.Grid.SetDataRowCount(2);
    holes.Grid.SetCell(1, 1, "1");
    holes.Grid.SetCell(1, 2, "2");
    workspace.Beam.HoleCount = 2;
    const int refreshes = editorView.Refreshes;
    holes.RenumberHoles();
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_GT(editorView.Refreshes, refreshes);
}

TEST_F(HolesEditorTest, SpanListFollowsTheSpansAndKeepsTheChoice) {
    SetSpans({"3", "3", "3"});
    EXPECT_EQ(holes.SpanItems, (std::vector<std::string>{"Пролет 1", "Пролет 2", "Пролет 3"}));
    EXPECT_EQ(holes.SpanIndex, 0);
    holes.SpanIndex = 2;
    holes.RefreshSpanList();
    EXPECT_EQ(holes.SpanIndex, 2);
    SetSpans({"3", "3"});
    EXPECT_EQ(holes.SpanIndex, 0);
    SetSpans({});
    EXPECT_EQ(holes.SpanIndex, -1);
    EXPECT_EQ(holes.SpanNumberChoices(), std::vector<std::string>{});
}

class HoleCellEditTest : public HolesEditorTest {
  protected:
    void SetUp() override {
        HolesEditorTest::SetUp();
        SetSpans({"4", "4"});
        Add(1, "50", "1");
        Add(1, "50", "3,9");
        Add(2, "50", "1");
        view.Calls.clear();
    }

    void Edit(int column, int row, const std::string& text) {
        ASSERT_TRUE(holes.GridCanEditCell(column, row));
        holes.GridDblClickCell(column, row);
        holes.GridEditCellDone(column, row, text);
    }
};

TEST_F(HoleCellEditTest, OnlyDataCellsAfterTheNumberAreEditable) {
    EXPECT_FALSE(holes.GridCanEditCell(0, 1));
    EXPECT_FALSE(holes.GridCanEditCell(1, 0));
    EXPECT_FALSE(holes.GridCanEditCell(1, 4));
    EXPECT_EQ(holes.GridCellEditor(1, 1), HolesEditor::CellEditor::SpanList);
    EXPECT_EQ(holes.GridCellEditor(3, 1), HolesEditor::CellEditor::Text);
    EXPECT_EQ(holes.SpanNumberChoices(), (std::vector<std::string>{"1", "2"}));
    holes.ClearHoles();
    EXPECT_FALSE(holes.GridCanEditCell(1, 1));
}

TEST_F(HoleCellEditTest, NewDiameterIsNotCheckedAgainstOtherHoles) {
    Edit(2, 1, "500");
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(holes.Grid.Cell(2, 1), "500");
    EXPECT_EQ(Recalculations(), 1);
}

TEST_F(HoleCellEditTest, AcceptedPositionStaysAsTyped) {
    Edit(3, 2, "2,50");
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(holes.Grid.Cell(3, 2), "2,50");
}

struct CellRefusalCase {
    const char* name;
    int column;
    int row;
    const char* text;
    const char* message;
};

void PrintTo(const CellRefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class HoleCellRefusalTest : public HoleCellEditTest,
                            public ::testing::WithParamInterface<CellRefusalCase> {};

TEST_P(HoleCellRefusalTest, RefusedEditPutsThePreviousTextBackAndStillRecalculates) {
    const CellRefusalCase& c = GetParam();
    const std::string before = holes.Grid.Cell(c.column, c.row);
    Edit(c.column, c.row, c.text);
    EXPECT_EQ(messages.Messages, std::vector<std::string>{c.message});
    EXPECT_EQ(holes.Grid.Cell(c.column, c.row), before);
    EXPECT_EQ(editorView.Cells, (std::vector<std::pair<int, int>>{{c.column, c.row}}));
    EXPECT_EQ(Recalculations(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, HoleCellRefusalTest,
    ::testing::Values(
        CellRefusalCase{"EmptyDiameter", 2, 1, "",
                        "Ячейка не может быть пустой. Возвращено предыдущее значение."},
        CellRefusalCase{"DiameterNotWhole", 2, 1, "50,5",
                        "Введенное значение не является числом. Возвращено предыдущее значение."},
        CellRefusalCase{
            "ZeroDiameter", 2, 1, "0",
            "Значение диаметра отверстия должно быть больше нуля. Возвращено предыдущее значение."},
        CellRefusalCase{"DiameterOfTwoMetres", 2, 1, "2000",
                        "Значение диаметра отверстия должно быть не больше 1000 мм. Возвращено "
                        "предыдущее значение."},
        CellRefusalCase{"XWithFullStop", 3, 1, "1.5",
                        "Введенное значение не является числом. Возвращено предыдущее значение."},
        CellRefusalCase{"NegativeX", 3, 1, "-1",
                        "Значение привязки отверстия к опоре не может быть меньше нуля. Возвращено "
                        "предыдущее значение."},
        CellRefusalCase{
            "NegativeY", 4, 1, "-0,1",
            "Значение привязки отверстия по высоте не может быть меньше нуля. Возвращено "
            "предыдущее значение."},
        CellRefusalCase{"XBeyondSpan", 3, 1, "4,01", kBeyond},
        CellRefusalCase{"XTooCloseToTheOtherHole", 3, 1, "3,8", kTooClose},
        CellRefusalCase{"XTooCloseAcrossTheSupport", 3, 3, "0,1", kTooClose},
        CellRefusalCase{"SpanThatDoesNotExist", 1, 1, "3",
                        "Введенное значение не является числом. Возвращено предыдущее значение."}),
    [](const ::testing::TestParamInfo<CellRefusalCase>& info) { return info.param.name; });

TEST_F(HoleCellEditTest, MovingAHoleAlongItsSpanSkipsItself) {
    // 3,8 is within 0,2 m of the hole's own old place at 3,9, but far from the others.
    Edit(3, 2, "3,8");
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(holes.Grid.Cell(3, 2), "3,8");
}

TEST_F(HoleCellEditTest, NewSpanNumberResortsTheRows) {
    Edit(1, 1, "2");
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(Column(1), (std::vector<std::string>{"1", "2", "2"}));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"3,9", "1", "1"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(HolesEditorTest, KeysOfTheBoxesAndTheCells) {
    NumericBox d{"12", 2};
    EXPECT_TRUE(holes.leDKeyPress(d, U'5'));
    EXPECT_FALSE(holes.leDKeyPress(d, U','));
    EXPECT_EQ(d.Text, "12");
    NumericBox x{"", 0};
    EXPECT_FALSE(holes.leXKeyPress(x, U'.'));
    EXPECT_EQ(x.Text, "0,");
    EXPECT_FALSE(holes.leYKeyPress(x, U'-'));
    EXPECT_TRUE(HolesEditor::GridKeyPress(U'.'));
    EXPECT_TRUE(HolesEditor::GridKeyPress(KeyBackspace));
    EXPECT_FALSE(HolesEditor::GridKeyPress(U'a'));
    EXPECT_FALSE(HolesEditor::GridKeyPress(U'-'));
}

} // namespace
} // namespace balka
