// The template driven through its operations: the angle and height kept consistent, the checks
// in their order with nothing changed on a refusal, the rebuilt spans, supports and single load,
// and the holes that survive the new spans.
#include "editors/TemplateDialog.h"

#include "model/Numbers.h"
#include "support/RecordingEditorView.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

namespace balka {
namespace {

using Box = TemplateDialog::Box;

class TemplateDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        dialog.AttachView(&editorView);
    }

    // Two spans of 4 and 5 m, level, 200 kg/m2 on beams 0,6 m apart with Yf 1,3.
    void FillValid() {
        dialog.cbSpansChange(2);
        dialog.TextChanged(Box::L1, "4");
        dialog.TextChanged(Box::L2, "5");
        dialog.TextChanged(Box::Angle, "0");
        dialog.TextChanged(Box::Load, "200");
        dialog.TextChanged(Box::Step, "0,6");
        dialog.TextChanged(Box::Yf, "1,3");
    }

    void SetSpans(const std::vector<std::string>& lengths) {
        workspace.Geometry.Grid.Clear();
        workspace.Beam.SpanCount = 0;
        for (const std::string& length : lengths) {
            AppendSpan(workspace, length);
        }
        workspace.Recalculate();
        workspace.Holes.RefreshSpanList();
    }

    void AddHole(int span, const std::string& x) {
        workspace.Holes.SpanIndex = span - 1;
        workspace.Holes.DText = "50";
        workspace.Holes.XText = x;
        workspace.Holes.YText = "0,1";
        workspace.Holes.bAddClick();
    }

    static std::vector<std::string> Column(const TextTable& table, int column, int count) {
        std::vector<std::string> cells;
        for (int row = 1; row <= count; ++row) {
            cells.push_back(table.Cell(column, row));
        }
        return cells;
    }

    int Recalculations() const {
        return static_cast<int>(
            std::count_if(view.Calls.begin(), view.Calls.end(),
                          [](const std::string& call) { return call == "scheme view"; }));
    }

    RecordingView view;
    RecordingMessageSink messages;
    RecordingEditorView editorView;
    Workspace workspace{view, messages};
    TemplateDialog& dialog = workspace.Template;
};

TEST_F(TemplateDialogTest, TwoSpansWithBothCantileversBecomeFourRowsAndOneLoad) {
    // Whatever was there before is replaced.
    SetSpans({"6", "6", "6"});
    workspace.Geometry.LeftSupportIndex = 1;
    workspace.Beam.LoadCount = 2;
    workspace.Loads.Grid.SetDataRowCount(2);
    workspace.Loads.Grid.SetCell(1, 2, "3");
    view.Calls.clear();
    RecordingEditorView geometryView;
    RecordingEditorView loadsView;
    workspace.Geometry.AttachView(&geometryView);
    workspace.Loads.AttachView(&loadsView);

    FillValid();
    dialog.cbLeftClick(true);
    dialog.cbRightClick(true);
    dialog.TextChanged(Box::Left, "1,50");
    dialog.TextChanged(Box::Right, "1,5");
    dialog.TextChanged(Box::Angle, "5,0");
    ASSERT_TRUE(dialog.bApplyClick());

    EXPECT_TRUE(messages.Messages.empty());
    const GeometryEditor& geometry = workspace.Geometry;
    ASSERT_EQ(workspace.Beam.SpanCount, 4);
    EXPECT_EQ(geometry.Grid.RowCount(), 5);
    EXPECT_EQ(Column(geometry.Grid, 0, 4), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(geometry.Grid, 1, 4), (std::vector<std::string>{"1,5", "4", "5", "1,5"}));
    EXPECT_EQ(geometry.LeftSupportIndex, 2);
    EXPECT_EQ(geometry.RightSupportIndex, 2);
    EXPECT_EQ(geometry.AngleText, "5,0");

    ASSERT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_EQ(workspace.Loads.Grid.RowCount(), 2);
    // 200 kg/m2 x 0,6 m = 120 kg/m on the whole beam.
    EXPECT_EQ(Column(workspace.Loads.Grid, 0, 1), std::vector<std::string>{"1"});
    std::vector<std::string> row;
    for (int column = 1; column < 8; ++column) {
        row.push_back(workspace.Loads.Grid.Cell(column, 1));
    }
    EXPECT_EQ(row, (std::vector<std::string>{"0", "1", "120", "1,3", "1", " ", " "}));

    EXPECT_EQ(workspace.Holes.SpanItems.size(), 4u);
    EXPECT_EQ(workspace.Loads.SpanItems.size(), 4u);
    // The other windows are asked to show the new tables.
    EXPECT_GT(geometryView.Refreshes, 0);
    EXPECT_GT(loadsView.Refreshes, 0);
    EXPECT_EQ(Recalculations(), 1);
    ASSERT_EQ(workspace.Beam.Spans.size(), 4u);
    EXPECT_EQ(workspace.Beam.LeftSupport, SupportFree);
    EXPECT_EQ(workspace.Beam.RightSupport, SupportFree);
    EXPECT_FLOAT_EQ(workspace.Beam.Spans[2].Loads[0].DesignValue, 156.0f);
}

TEST_F(TemplateDialogTest, WithoutCantileversBothEndsAreHinged) {
    workspace.Geometry.LeftSupportIndex = 2;
    workspace.Geometry.RightSupportIndex = 1;
    FillValid();
    ASSERT_TRUE(dialog.bOKClick());
    EXPECT_EQ(workspace.Beam.SpanCount, 2);
    EXPECT_EQ(workspace.Geometry.LeftSupportIndex, 0);
    EXPECT_EQ(workspace.Geometry.RightSupportIndex, 0);
}

TEST_F(TemplateDialogTest, BoxesBeyondTheSpanCountKeepTheirTextAndAreNotRead) {
    FillValid();
    dialog.cbSpansChange(5);
    dialog.TextChanged(Box::L3, "abc");
    dialog.cbSpansChange(2);
    EXPECT_FALSE(dialog.IsBoxEnabled(Box::L3));
    EXPECT_TRUE(dialog.IsBoxEnabled(Box::L2));
    EXPECT_EQ(dialog.SpanTexts[2], "abc");
    ASSERT_TRUE(dialog.bApplyClick());
    EXPECT_EQ(workspace.Beam.SpanCount, 2);
}

struct RefusalCase {
    const char* name;
    std::function<void(TemplateDialog&)> change;
    const char* message;
    const char* focus;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class TemplateRefusalTest : public TemplateDialogTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(TemplateRefusalTest, RefusalChangesNothing) {
    const RefusalCase& c = GetParam();
    SetSpans({"6"});
    view.Calls.clear();
    FillValid();
    c.change(dialog);
    EXPECT_FALSE(dialog.bOKClick());
    EXPECT_EQ(messages.Messages, std::vector<std::string>{c.message});
    EXPECT_EQ(editorView.Focus, std::vector<std::string>{c.focus});
    EXPECT_EQ(workspace.Beam.SpanCount, 1);
    EXPECT_EQ(workspace.Geometry.Grid.Cell(1, 1), "6");
    EXPECT_EQ(workspace.Beam.LoadCount, 0);
    EXPECT_EQ(Recalculations(), 0);
}

void Set(TemplateDialog& d, Box box, const char* text) {
    d.TextChanged(box, text);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TemplateRefusalTest,
    ::testing::Values(
        RefusalCase{"LeftCantileverComesFirst",
                    [](TemplateDialog& d) {
                        d.cbLeftClick(true);
                        Set(d, Box::Left, "x");
                        Set(d, Box::L1, "");
                    },
                    "Значение в поле ''leLeft'' не является числом.", "leLeft"},
        RefusalCase{"EmptySecondSpanBeforeTheAngle",
                    [](TemplateDialog& d) {
                        Set(d, Box::L2, "");
                        Set(d, Box::Angle, "");
                    },
                    "Укажите значение длины.", "leL2"},
        RefusalCase{"FirstSpanNotNumber", [](TemplateDialog& d) { Set(d, Box::L1, "4 м"); },
                    "Значение в поле ''leL1'' не является числом.", "leL1"},
        RefusalCase{"RightCantileverCountsAsZero",
                    [](TemplateDialog& d) {
                        d.cbRightClick(true);
                        Set(d, Box::Right, "0,0004");
                        Set(d, Box::Angle, "");
                    },
                    "Значение длины должно быть больше нуля.", "leRight"},
        RefusalCase{"EmptyAngle", [](TemplateDialog& d) { Set(d, Box::Angle, ""); },
                    "Укажите угол наклона балки.", "leAngle"},
        RefusalCase{"AngleNotNumber", [](TemplateDialog& d) { Set(d, Box::Angle, "1.5"); },
                    "Значение угла наклона не является числом.", "leAngle"},
        RefusalCase{"NegativeAngle", [](TemplateDialog& d) { Set(d, Box::Angle, "-1"); },
                    "Значение угла не может быть отрицательным.", "leAngle"},
        RefusalCase{"AngleAlmost90", [](TemplateDialog& d) { Set(d, Box::Angle, "89,9995"); },
                    "Значение угла должно быть меньше 90.", "leAngle"},
        RefusalCase{"EmptyLoadBeforeStep",
                    [](TemplateDialog& d) {
                        Set(d, Box::Load, "");
                        Set(d, Box::Step, "");
                    },
                    "Укажите значение нагрузки.", "leLoad"},
        RefusalCase{"LoadNotNumber", [](TemplateDialog& d) { Set(d, Box::Load, "a"); },
                    "Значение в поле ''Нормативная нагрузка, кг/м2'' не является числом.",
                    "leLoad"},
        RefusalCase{"ZeroLoad", [](TemplateDialog& d) { Set(d, Box::Load, "0"); },
                    "Значение нагрузки должно быть больше нуля.", "leLoad"},
        RefusalCase{"EmptyStep", [](TemplateDialog& d) { Set(d, Box::Step, ""); },
                    "Укажите значение шага балок.", "leStep"},
        RefusalCase{"StepNotNumber", [](TemplateDialog& d) { Set(d, Box::Step, "0,6,"); },
                    "Значение в поле ''Шаг балок, м'' не является числом.", "leStep"},
        RefusalCase{"ZeroStep", [](TemplateDialog& d) { Set(d, Box::Step, "0"); },
                    "Значение шага балок должно быть больше нуля.", "leStep"},
        RefusalCase{"EmptyYf", [](TemplateDialog& d) { Set(d, Box::Yf, ""); },
                    "Укажите значение коэффициента надежности.", "leYf"},
        RefusalCase{"YfNotNumber", [](TemplateDialog& d) { Set(d, Box::Yf, "y"); },
                    "Значение в поле ''Коэффициент надежности'' не является числом.", "leYf"},
        RefusalCase{"ZeroYf", [](TemplateDialog& d) { Set(d, Box::Yf, "0"); },
                    "Значение коэффициента надежности должно быть больше нуля.", "leYf"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(TemplateDialogTest, HeightFollowsTheFixedAngle) {
    dialog.cbSpansChange(3);
    dialog.TextChanged(Box::L1, "4");
    dialog.TextChanged(Box::L2, "5");
    dialog.TextChanged(Box::L3, "4");
    dialog.TextChanged(Box::Angle, "10");
    // tan 10° x 13 m
    EXPECT_EQ(dialog.HeightText, "2,292");
    // Typing into the derived box is overwritten at once.
    dialog.TextChanged(Box::Height, "7");
    EXPECT_EQ(dialog.HeightText, "2,292");
    // Fewer spans: tan 10° x 9 m.
    dialog.cbSpansChange(2);
    EXPECT_EQ(dialog.HeightText, "1,587");
    dialog.TextChanged(Box::Angle, "");
    EXPECT_EQ(dialog.HeightText, "");
    dialog.TextChanged(Box::Angle, "10");
    dialog.TextChanged(Box::L2, "5 м");
    EXPECT_EQ(dialog.HeightText, "");
}

TEST_F(TemplateDialogTest, AngleFollowsTheFixedHeight) {
    dialog.TextChanged(Box::L1, "10");
    dialog.TextChanged(Box::Angle, "3");
    dialog.FixedChange(TemplateDialog::Fixed::Height);
    // Switching recomputes nothing.
    EXPECT_EQ(dialog.AngleText, "3");
    EXPECT_EQ(dialog.HeightText, "0,524");
    dialog.TextChanged(Box::Height, "1");
    // atan(1 / 10) in degrees
    EXPECT_EQ(dialog.AngleText, "5,711");
    dialog.TextChanged(Box::L1, "0");
    EXPECT_EQ(dialog.AngleText, "");
}

TEST_F(TemplateDialogTest, SchemePictureNamesTheCantilevers) {
    EXPECT_EQ(dialog.SchemeName(), "L1");
    dialog.cbSpansChange(3);
    dialog.cbLeftClick(true);
    EXPECT_EQ(dialog.SchemeName(), "KL3");
    EXPECT_TRUE(dialog.IsBoxEnabled(Box::Left));
    dialog.cbRightClick(true);
    EXPECT_EQ(dialog.SchemeName(), "KL3K");
    dialog.cbLeftClick(false);
    EXPECT_EQ(dialog.SchemeName(), "L3K");
    EXPECT_FALSE(dialog.IsBoxEnabled(Box::Left));
    EXPECT_EQ(TemplateDialog::BoxName(Box::L5), "leL5");
}

TEST_F(TemplateDialogTest, HolesThatStillFitTheNewSpansAreKept) {
    SetSpans({"6", "6"});
    AddHole(1, "1");
    AddHole(1, "5");
    AddHole(2, "2");
    ASSERT_EQ(workspace.Beam.HoleCount, 3);

    FillValid(); // spans of 4 and 5 m
    ASSERT_TRUE(dialog.bApplyClick());
    ASSERT_EQ(workspace.Beam.HoleCount, 2);
    EXPECT_EQ(Column(workspace.Holes.Grid, 0, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(workspace.Holes.Grid, 1, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(workspace.Holes.Grid, 3, 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(workspace.Beam.Spans[1].Weaks.size(), 1u);

    dialog.cbSpansChange(1);
    ASSERT_TRUE(dialog.bApplyClick());
    ASSERT_EQ(workspace.Beam.HoleCount, 1);
    EXPECT_EQ(workspace.Holes.Grid.Cell(3, 1), "1");
    EXPECT_EQ(workspace.Holes.SpanItems, std::vector<std::string>{"Пролет 1"});
}

TEST_F(TemplateDialogTest, BoxesTakeDecimalsButNoMinus) {
    NumericBox box{"", 0};
    EXPECT_FALSE(dialog.BoxKeyPress(box, U'.'));
    EXPECT_EQ(box.Text, "0,");
    EXPECT_FALSE(dialog.BoxKeyPress(box, U'-'));
    EXPECT_TRUE(dialog.BoxKeyPress(box, U'7'));
}

} // namespace
} // namespace balka
