#include "design/ResultSummary.h"

#include "DesignTestSupport.h"
#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace balka {
namespace {

constexpr TResultStyle Normal = TResultStyle::Normal;
constexpr TResultStyle Failed = TResultStyle::Failed;
constexpr TResultStyle SpanHeading = TResultStyle::SpanHeading;
constexpr TResultStyle HoleHeading = TResultStyle::HoleHeading;

class ResultSummaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        calc.MomentCapacity = 8000;
        calc.ShearCapacity = 6000;
        calc.MaxMoment = 7500;
        calc.MaxShear = 2500;
        beam = test::BeamOfSpans({4000});
        calc.SpanCalcs.resize(1);
        PassingSpan(calc.SpanCalcs[0]);
    }

    static void PassingSpan(TSpanCalc& span) {
        span.Stress = 12.5f;
        span.StressLimit = 30;
        span.Deflection = 8.25f;
        span.DeflectionLimit = 20;
    }

    static void ExpectLines(const std::vector<TResultLine>& actual,
                            const std::vector<TResultLine>& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].Text, expected[i].Text) << "line " << i;
            EXPECT_EQ(actual[i].Style, expected[i].Style) << "line " << i;
        }
    }

    TBeam beam;
    TBeamCalc calc;
};

const TResultLine StabilityPasses{
    "G < Gпред, 12,5 < 30 [МПа], проверка по устойчивости выполняется.", Normal};
const TResultLine DeflectionPasses{"U < Uпред, 8,25 < 20 [мм], проверка по прогибам выполняется.",
                                   Normal};

TEST_F(ResultSummaryTest, OneSpanThatPasses) {
    ExpectLines(WriteResultSummary(calc, beam),
                {{"M < Mпред, 7500 < 8000 [кг*м], проверка по моменту выполняется.", Normal},
                 {"Q < Qпред, 2500 < 6000 [кг], проверка по поперечной силе выполняется.", Normal},
                 StabilityPasses,
                 DeflectionPasses});
    EXPECT_TRUE(calc.AllChecksPassed);
    const TPanelColour colour = VerdictColour(calc);
    EXPECT_EQ(colour.Red, 0);
    EXPECT_EQ(colour.Green, 202);
    EXPECT_EQ(colour.Blue, 0);
}

TEST_F(ResultSummaryTest, EqualityPassesWithTheLessSign) {
    calc.MaxMoment = 8000;
    calc.MaxShear = 6000;
    const std::vector<TResultLine> lines = WriteResultSummary(calc, beam);
    EXPECT_EQ(lines[0].Text, "M < Mпред, 8000 < 8000 [кг*м], проверка по моменту выполняется.");
    EXPECT_EQ(lines[1].Text,
              "Q < Qпред, 6000 < 6000 [кг], проверка по поперечной силе выполняется.");
    EXPECT_TRUE(calc.AllChecksPassed);
}

TEST_F(ResultSummaryTest, EveryCheckFails) {
    calc.MaxMoment = 8500.5f;
    calc.MaxShear = 6001;
    calc.SpanCalcs[0].Stress = 31.25f;
    calc.SpanCalcs[0].Deflection = 20.5f;
    ExpectLines(
        WriteResultSummary(calc, beam),
        {{"M > Mпред, 8500,5 > 8000 [кг*м], проверка по моменту не выполняется.", Failed},
         {"Q > Qпред, 6001 > 6000 [кг], проверка по поперечной силе не выполняется.", Failed},
         {"G > Gпред, 31,25 > 30 [МПа], проверка по устойчивости не выполняется.", Failed},
         {"U > Uпред, 20,5 > 20 [мм], проверка по прогибам не выполняется.", Failed}});
    EXPECT_FALSE(calc.AllChecksPassed);
    EXPECT_EQ(VerdictColour(calc).Red, 255);
    EXPECT_EQ(VerdictColour(calc).Green, 0);
}

TEST_F(ResultSummaryTest, SeveralSpansGetHeadings) {
    beam = test::BeamOfSpans({4000, 4000});
    calc.SpanCalcs.resize(2);
    PassingSpan(calc.SpanCalcs[1]);
    calc.SpanCalcs[1].Deflection = 25;
    const std::vector<TResultLine> lines = WriteResultSummary(calc, beam);
    ExpectLines(std::vector<TResultLine>(lines.begin() + 2, lines.end()),
                {{"", Normal},
                 {"Пролет 1", SpanHeading},
                 StabilityPasses,
                 DeflectionPasses,
                 {"", Normal},
                 {"Пролет 2", SpanHeading},
                 StabilityPasses,
                 {"U > Uпред, 25 > 20 [мм], проверка по прогибам не выполняется.", Failed}});
    EXPECT_FALSE(calc.AllChecksPassed);
}

TEST_F(ResultSummaryTest, HolesAreNumberedOverTheBeam) {
    beam = test::BeamOfSpans({4000, 4000});
    calc.SpanCalcs.resize(2);
    PassingSpan(calc.SpanCalcs[1]);
    TWeak outside;
    outside.Outside = true;
    outside.TooWeak = true; // ignored: the hole lies outside the section
    TWeak passing;
    passing.ZoneMaxM = 1200;
    passing.ZoneMaxQ = 800;
    passing.MomentCapacity = 1200;
    passing.ShearCapacity = 2000;
    TWeak tooWeak;
    tooWeak.TooWeak = true;
    beam.Spans[0].Weaks = {outside};
    beam.Spans[1].Weaks = {passing, tooWeak};
    beam.HoleCount = 3;
    const std::vector<TResultLine> lines = WriteResultSummary(calc, beam);
    ExpectLines(std::vector<TResultLine>(lines.begin() + 10, lines.end()),
                {{"", Normal},
                 {"Проверка ослабленных сечений", SpanHeading},
                 {"", Normal},
                 {"Ослабление 1, пролет 1.", HoleHeading},
                 {"Вертикальная привязка отверстия ''у'' находится вне пределов сечения.", Normal},
                 {"Данное отверстие в проверках не учитывалось.", Normal},
                 {"", Normal},
                 {"Ослабление 2, пролет 2.", HoleHeading},
                 {"M < Mпред, 1200 < 1200 [кг*м], проверка по моменту выполняется.", Normal},
                 {"Q < Qпред, 800 < 2000 [кг], проверка по поперечной силе выполняется.", Normal},
                 {"", Normal},
                 {"Ослабление 3, пролет 2.", HoleHeading},
                 {"Отверстие имеет недопустимо большие размеры.", Failed}});
    EXPECT_FALSE(calc.AllChecksPassed);
}

TEST_F(ResultSummaryTest, AnOutsideHoleDoesNotFail) {
    TWeak outside;
    outside.Outside = true;
    beam.Spans[0].Weaks = {outside};
    beam.HoleCount = 1;
    WriteResultSummary(calc, beam);
    EXPECT_TRUE(calc.AllChecksPassed);
}

} // namespace
} // namespace balka
