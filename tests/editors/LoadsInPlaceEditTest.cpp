#include "editors/LoadsEditor.h"

#include "editors/EditorBench.h"

#include <ostream>

namespace balka {
namespace {

class LoadsInPlaceEditTest : public EditorBench {
  protected:
    void SetUp() override {
        EditorBench::SetUp();
        AddSpans({"5", "3,5"});
    }

    // Double-click, type, confirm: as the user edits a cell.
    void Edit(int column, int row, const std::string& text) {
        workspace.Loads.GridDblClickCell(column, row);
        recalculationsBefore = Recalculations();
        workspace.Loads.GridEditCellDone(column, row, text);
    }

    int recalculationsBefore = 0;
};

TEST_F(LoadsInPlaceEditTest, EditableCellsFollowTheKindOfTheRow) {
    LoadsEditor& loads = workspace.Loads;
    EXPECT_FALSE(loads.GridCanEditCell(3, 1));

    AddLoad(Whole("100"));
    AddLoad(OnSpan(1, "10"));
    AddLoad(Part(1, "10", "1", "1"));
    AddLoad(Point(1, "10", "1"));

    const std::vector<std::vector<bool>> expected = {
        // "№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"
        {false, true, false, true, true, true, false, false},
        {false, true, false, true, true, true, false, false},
        {false, true, false, true, true, true, true, true},
        {false, true, false, true, true, true, true, false},
    };
    for (int row = 1; row <= 4; ++row) {
        for (int column = 0; column < 8; ++column) {
            EXPECT_EQ(loads.GridCanEditCell(column, row),
                      expected[static_cast<size_t>(row - 1)][static_cast<size_t>(column)])
                << "column " << column << ", row " << row;
        }
    }
    EXPECT_FALSE(loads.GridCanEditCell(3, 0));
    EXPECT_FALSE(loads.GridCanEditCell(3, 5));
    EXPECT_EQ(loads.GridGetEditorType(1, 1), LoadsEditor::CellEditor::SpanList);
    EXPECT_EQ(loads.GridGetEditorType(3, 1), LoadsEditor::CellEditor::Text);
    EXPECT_EQ(loads.GridGetEditorItems(), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(loads.GridKeyPress(U','));
    EXPECT_FALSE(loads.GridKeyPress(U'-'));
}

struct CellRefusalCase {
    const char* Name;
    int Column;
    const char* Text;
    const char* Message;
};

void PrintTo(const CellRefusalCase& c, std::ostream* os) {
    *os << c.Name;
}

class LoadCellRefusal : public LoadsInPlaceEditTest,
                        public ::testing::WithParamInterface<CellRefusalCase> {};

TEST_P(LoadCellRefusal, PutsThePreviousTextBackAndStillRecalculates) {
    AddLoad(Part(1, "10", "1", "2"));
    const std::vector<std::string> before = Row(workspace.Loads.Grid, 1);

    Edit(GetParam().Column, 1, GetParam().Text);

    EXPECT_EQ(messages.Messages, std::vector<std::string>{std::string(GetParam().Message) +
                                                          " Возвращено предыдущее значение."});
    EXPECT_EQ(Row(workspace.Loads.Grid, 1), before);
    EXPECT_EQ(loadsView.Cells.back(), std::make_pair(GetParam().Column, 1));
    EXPECT_EQ(Recalculations(), recalculationsBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadCellRefusal,
    ::testing::Values(
        CellRefusalCase{"FEmpty", 3, "", "Ячейка не может быть пустой."},
        CellRefusalCase{"FLetters", 3, "x", "Введенное значение не является числом."},
        CellRefusalCase{"FZero", 3, "0", "Значение нагрузки должно быть больше нуля."},
        CellRefusalCase{
            "YfNegative", 4, "-1",
            "Значение коэффициента надежности по нагрузке не может быть отрицательным."},
        CellRefusalCase{"KdNegative", 5, "-0,1",
                        "Значение коэффициента длительности не может быть отрицательным."},
        CellRefusalCase{"KdAboveOne", 5, "1,5",
                        "Значение коэффициента длительности не может быть больше единицы."},
        CellRefusalCase{"PartXZero", 6, "0", "Величина привязки должна быть больше нуля."},
        CellRefusalCase{"SZero", 7, "0,0001", "Длина нагрузки должна быть больше нуля."},
        CellRefusalCase{"SBeyondSpan", 7, "4,1", "Нагрузка выходит за пределы пролета."}),
    [](const ::testing::TestParamInfo<CellRefusalCase>& info) { return info.param.Name; });

TEST_F(LoadsInPlaceEditTest, MovingAPartialLoadToAShorterSpanIsRefused) {
    AddLoad(Part(1, "10", "3", "1"));

    Edit(1, 1, "2");

    EXPECT_EQ(messages.Messages, std::vector<std::string>{"Нагрузка выходит за пределы пролета. "
                                                          "Возвращено предыдущее значение."});
    EXPECT_EQ(workspace.Loads.Grid.Cell(1, 1), "1");
    EXPECT_EQ(Recalculations(), recalculationsBefore + 1);
}

TEST_F(LoadsInPlaceEditTest, MovingAPointLoadOntoTheSpanEndIsRefused) {
    AddLoad(Point(2, "10", "1"));

    Edit(6, 1, "3,5");

    EXPECT_EQ(messages.Messages,
              std::vector<std::string>{"Привязка сосредоточенной нагрузки должна быть меньше "
                                       "длины пролета. Возвращено предыдущее значение."});
    EXPECT_EQ(workspace.Loads.Grid.Cell(6, 1), "1");
}

TEST_F(LoadsInPlaceEditTest, AcceptedValueStaysAsTyped) {
    AddLoad(OnSpan(1, "10"));

    Edit(3, 1, "12,50");

    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(workspace.Loads.Grid.Cell(3, 1), "12,50");
    EXPECT_EQ(Recalculations(), recalculationsBefore + 1);
}

TEST_F(LoadsInPlaceEditTest, ConfirmingAnUnchangedCellStillRecalculates) {
    AddLoad(OnSpan(1, "10"));

    Edit(3, 1, "10");

    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_EQ(Recalculations(), recalculationsBefore + 1);
}

TEST_F(LoadsInPlaceEditTest, RowThatBecomesEqualToAnEarlierOneMergesIntoIt) {
    AddLoad(OnSpan(1, "100", "1,2"));
    AddLoad(OnSpan(2, "7", "1,2"));
    AddLoad(OnSpan(1, "50", "1,3"));

    Edit(4, 3, "1,2");

    ASSERT_EQ(workspace.Beam.LoadCount, 2);
    EXPECT_EQ(Column(workspace.Loads.Grid, 3, 2), (std::vector<std::string>{"150", "7"}));
    EXPECT_EQ(Column(workspace.Loads.Grid, 0, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(loadsView.Cells.back(), std::make_pair(4, 1));
    EXPECT_EQ(Recalculations(), recalculationsBefore + 1);
}

TEST_F(LoadsInPlaceEditTest, RowThatBecomesEqualToALaterOneMergesIntoItAndItMovesUp) {
    AddLoad(Point(1, "5", "2"));
    AddLoad(Point(2, "7", "2"));
    AddLoad(Point(2, "9", "1"));

    Edit(6, 1, "1");
    Edit(1, 1, "2");

    ASSERT_EQ(workspace.Beam.LoadCount, 2);
    EXPECT_EQ(Column(workspace.Loads.Grid, 3, 2), (std::vector<std::string>{"7", "14"}));
    EXPECT_EQ(loadsView.Cells.back(), std::make_pair(1, 2));
}

TEST_F(LoadsInPlaceEditTest, WholeBeamRowKeepsItsKindWhenGivenASpan) {
    AddLoad(Whole("100"));

    Edit(1, 1, "2");

    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(Row(workspace.Loads.Grid, 1),
              (std::vector<std::string>{"1", "2", "1", "100", "1,2", "1", " ", " "}));
}

} // namespace
} // namespace balka
