#include "design/DesignCalculation.h"

#include "DesignTestSupport.h"
#include "model/Numbers.h"
#include "statics/Statics.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace balka {
namespace {

using test::ExpectClose;

class DesignCalculationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        // A 4 m simply supported span under 100 kg/m (design 120 kg/m), all of it long-term.
        beam = test::BeamOfSpans({4000});
        beam.Spans[0].Loads.push_back(test::DistributedLoad(100, 4000, 1.2f, 1));
        beam.LoadCount = 1;
        beam.SchemeReady = true;
        input.Width = 100;
        input.Height = 400;
        input.Material = TMaterialValues{30, 3, 14000};
    }

    TBeam beam;
    TBeamCalc calc;
    TDesignInput input;
};

TEST_F(DesignCalculationTest, SimplySupportedSpanByHand) {
    RunStatics(beam);
    const TDesignOutcome outcome = RunDesignCalculation(beam, calc, input);
    ASSERT_EQ(outcome.Status, TDesignStatus::Done);
    // Long-term share 100 %: mд,1 = mд,2 = 0.8, so R = 24, Rs = 2.4, E = 11200 MPa.
    ExpectClose(calc.BendingStrength, 24);
    ExpectClose(calc.Modulus, 11200);
    // w L^2 / 8 and w L / 2 with w = 120 kg/m.
    ExpectClose(calc.MaxMoment, 240);
    ExpectClose(calc.MaxShear, 240);
    ExpectClose(calc.MomentCapacity, 6400);
    ExpectClose(calc.ShearCapacity, 6400);
    ASSERT_EQ(calc.SpanCalcs.size(), 1u);
    const TSpanCalc& span = calc.SpanCalcs[0];
    ExpectClose(span.PhiM, 0.98875);
    ExpectClose(span.Stress, 10 * 240 / (0.98875 * 8000.0 / 3));
    // 5 w L^4 / (384 E I) with the normative 100 kg/m, then the shear term of h / l = 0.1.
    const double u0 = 1e6 * 5 * 100 * 256 / (384 * 11200 * 160000.0 / 3);
    EXPECT_NEAR(span.BendingDeflection, u0, 1e-4 * u0);
    EXPECT_NEAR(span.Deflection, 1.192 * u0, 1e-4 * u0);
    ExpectClose(span.DeflectionLimit, 20);
    EXPECT_TRUE(calc.AllChecksPassed);
    ASSERT_EQ(outcome.Lines.size(), 4u);
    EXPECT_EQ(outcome.Lines[0].Text,
              "M < Mпред, 240 < 6400 [кг*м], проверка по моменту выполняется.");
}

TEST_F(DesignCalculationTest, ChecksTheHoles) {
    TWeak hole;
    hole.Diameter = 100;
    hole.OffsetX = 2000;
    hole.OffsetY = 200;
    hole.ZoneStart = 1800;
    hole.ZoneEnd = 2200;
    beam.Spans[0].Weaks.push_back(hole);
    beam.HoleCount = 1;
    RunStatics(beam);
    const TDesignOutcome outcome = RunDesignCalculation(beam, calc, input);
    ASSERT_EQ(outcome.Status, TDesignStatus::Done);
    const TWeak& checked = beam.Spans[0].Weaks[0];
    EXPECT_FALSE(checked.TooWeak);
    ExpectClose(checked.MomentCapacity, 0.1 * 2625 * 24);
    ASSERT_GE(outcome.Lines.size(), 8u);
    EXPECT_EQ(outcome.Lines[5].Text, "Проверка ослабленных сечений");
    EXPECT_EQ(outcome.Lines[7].Text, "Ослабление 1, пролет 1.");
}

TEST_F(DesignCalculationTest, RefillsOneRecordPerSpan) {
    calc.SpanCalcs.resize(3);
    RunStatics(beam);
    RunDesignCalculation(beam, calc, input);
    EXPECT_EQ(calc.SpanCalcs.size(), 1u);
}

struct RefusalCase {
    const char* name;
    void (*spoil)(TBeam&, TDesignInput&);
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class DesignRefusalTest : public DesignCalculationTest,
                          public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DesignRefusalTest, ChangesNothing) {
    const RefusalCase& c = GetParam();
    RunStatics(beam);
    c.spoil(beam, input);
    calc.SpanCalcs.resize(3);
    calc.MaxMoment = 77;
    const TDesignOutcome outcome = RunDesignCalculation(beam, calc, input);
    EXPECT_EQ(outcome.Status, TDesignStatus::Refused);
    EXPECT_EQ(outcome.Message, c.message);
    EXPECT_TRUE(outcome.Lines.empty());
    EXPECT_EQ(calc.SpanCalcs.size(), 3u);
    EXPECT_EQ(calc.MaxMoment, 77.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Beams, DesignRefusalTest,
    ::testing::Values(
        RefusalCase{"SchemeNotReady", [](TBeam& beam, TDesignInput&) { beam.SchemeReady = false; },
                    "Сформируйте расчетную схему с нагрузками."},
        RefusalCase{"NoLoadRows", [](TBeam& beam, TDesignInput&) { beam.LoadCount = 0; },
                    "Задайте расчетную схему балки."},
        RefusalCase{"HingeAndFreeEnd",
                    [](TBeam& beam, TDesignInput&) { beam.RightSupport = SupportFree; },
                    "Балка с такими концевыми опорами не может нести нагрузку. Измените опоры "
                    "балки."},
        RefusalCase{"ZeroHeight", [](TBeam&, TDesignInput& input) { input.Height = 0; },
                    "Значение высоты должно быть больше нуля."}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

} // namespace
} // namespace balka
