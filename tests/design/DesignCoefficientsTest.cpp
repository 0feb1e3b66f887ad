#include "design/DesignCoefficients.h"

#include "DesignTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace balka {
namespace {

using test::DistributedLoad;
using test::ExpectClose;
using test::PointLoad;

struct DurationCase {
    const char* name;
    std::vector<TLoad> loads;
    float strengthFactor;  // mд,1
    float stiffnessFactor; // mд,2
    double designShare;    // %
    double normativeShare; // %
};

void PrintTo(const DurationCase& c, std::ostream* os) {
    *os << c.name;
}

class DurationFactorsTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DurationFactorsTest, ComparesLongTermResultantsWithEightyPercent) {
    const DurationCase& c = GetParam();
    TBeam beam = test::BeamOfSpans({3000});
    beam.Spans[0].Loads = c.loads;
    TBeamCalc calc;
    ComputeDurationFactors(calc, beam);
    EXPECT_EQ(calc.DurationFactorStrength, c.strengthFactor);
    EXPECT_EQ(calc.DurationFactorStiffness, c.stiffnessFactor);
    ExpectClose(calc.LongTermShareDesign, c.designShare);
    ExpectClose(calc.LongTermShareNormative, c.normativeShare);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, DurationFactorsTest,
    ::testing::Values(
        DurationCase{"AllLongTerm",
                     {DistributedLoad(300, 3000, 1.1f, 1), PointLoad(500, 1000, 1.2f, 1)},
                     0.8f,
                     0.8f,
                     100,
                     100},
        DurationCase{
            "NinetyPercentDesign", {DistributedLoad(400, 3000, 1.2f, 0.9f)}, 0.8f, 0.8f, 90, 90},
        DurationCase{"HalfLongTerm", {DistributedLoad(400, 3000, 1.2f, 0.5f)}, 1.0f, 1.0f, 50, 50},
        // 1000 kg against 1000 kg/m over 3 m: 1000 / 4000 of the normative resultant.
        DurationCase{"PointAgainstDistributed",
                     {PointLoad(1000, 1500, 1, 1), DistributedLoad(1000, 3000, 1, 0)},
                     1.0f,
                     1.0f,
                     25,
                     25},
        // Safety factors weigh the design share only: 1.5*100 / (1.5*100 + 1*300) = 1/3.
        DurationCase{"SafetyFactorsShiftTheDesignShare",
                     {PointLoad(100, 1000, 1.5f, 1), PointLoad(300, 2000, 1, 0)},
                     1.0f,
                     1.0f,
                     100.0 / 3.0,
                     25},
        DurationCase{"ExactlyEightyPercent",
                     {PointLoad(800, 1000, 1, 1), PointLoad(200, 2000, 1, 0)},
                     0.8f,
                     0.8f,
                     80,
                     80},
        DurationCase{"NoLoadAtAll", {}, 1.0f, 1.0f, 0, 0},
        DurationCase{"ZeroLoads",
                     {DistributedLoad(0, 3000, 1.2f, 1), PointLoad(0, 10, 1, 1)},
                     1.0f,
                     1.0f,
                     0,
                     0}));

TEST(DurationFactorsTest, CountsAWholeBeamLoadInEverySpan) {
    TBeam beam = test::BeamOfSpans({2000, 2000});
    TLoad whole = DistributedLoad(100, 2000, 1, 1);
    whole.Type = LoadWholeBeam;
    beam.Spans[0].Loads = {whole};
    beam.Spans[1].Loads = {whole};
    // 2 * 100 kg/m * 2 m = 400 kg of long-term load against a short-term point load of 400 kg.
    beam.Spans[1].Loads.push_back(PointLoad(400, 1000, 1, 0));
    TBeamCalc calc;
    ComputeDurationFactors(calc, beam);
    ExpectClose(calc.LongTermShareNormative, 50);
}

struct FactorCase {
    const char* name;
    TDesignInput input;
    int32_t heightMm;
    float service;        // mв
    float temperature;    // mт
    float height;         // mб
    float impregnation;   // mа
    float responsibility; // γк/о
};

void PrintTo(const FactorCase& c, std::ostream* os) {
    *os << c.name;
}

TDesignInput Input(int32_t serviceClass, int32_t responsibilityClass, TTemperatureMode mode,
                   int32_t temperature, bool impregnated) {
    TDesignInput input;
    input.ServiceClass = serviceClass;
    input.ResponsibilityClass = responsibilityClass;
    input.TemperatureMode = mode;
    input.Temperature = temperature;
    input.Impregnated = impregnated;
    return input;
}

class WorkingFactorsTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(WorkingFactorsTest, TakesTheTableValue) {
    const FactorCase& c = GetParam();
    TBeamCalc calc;
    ComputeServiceFactor(calc, c.input);
    ComputeTemperatureFactor(calc, c.input);
    ComputeHeightFactor(calc, c.heightMm);
    ComputeImpregnationFactor(calc, c.input);
    ComputeResponsibilityFactor(calc, c.input);
    ExpectClose(calc.ServiceFactor, c.service);
    ExpectClose(calc.TemperatureFactor, c.temperature);
    ExpectClose(calc.HeightFactor, c.height);
    ExpectClose(calc.ImpregnationFactor, c.impregnation);
    ExpectClose(calc.ResponsibilityFactor, c.responsibility);
}

constexpr TTemperatureMode UpTo35 = TTemperatureMode::UpTo35;
constexpr TTemperatureMode From35To50 = TTemperatureMode::From35To50;
constexpr TTemperatureMode From50 = TTemperatureMode::From50;

INSTANTIATE_TEST_SUITE_P(
    Inputs, WorkingFactorsTest,
    ::testing::Values(
        FactorCase{"Defaults", Input(1, 2, UpTo35, 40, false), 400, 1, 1, 1, 1, 1},
        FactorCase{"ServiceClass2", Input(2, 2, UpTo35, 40, false), 500, 0.9f, 1, 1, 1, 1},
        FactorCase{"ServiceClass3", Input(3, 2, UpTo35, 40, false), 500, 0.85f, 1, 1, 1, 1},
        FactorCase{"ResponsibilityClass1", Input(1, 1, UpTo35, 40, false), 500, 1, 1, 1, 1, 1.05f},
        FactorCase{"ResponsibilityClass3", Input(1, 3, UpTo35, 40, false), 500, 1, 1, 1, 1, 0.9f},
        FactorCase{"Impregnated", Input(1, 2, UpTo35, 40, true), 500, 1, 1, 1, 0.9f, 1},
        FactorCase{"Temperature35", Input(1, 2, From35To50, 35, false), 500, 1, 1, 1, 1, 1},
        FactorCase{"Temperature41", Input(1, 2, From35To50, 41, false), 500, 1, 0.92f, 1, 1, 1},
        FactorCase{"Temperature50", Input(1, 2, From35To50, 50, false), 500, 1, 0.8f, 1, 1, 1},
        FactorCase{"Above50", Input(1, 2, From50, 40, false), 500, 1, 0.8f, 1, 1, 1},
        FactorCase{"Height550", Input(1, 2, UpTo35, 40, false), 550, 1, 1, 0.98f, 1, 1},
        FactorCase{"Height600", Input(1, 2, UpTo35, 40, false), 600, 1, 1, 0.96f, 1, 1},
        FactorCase{"Height650", Input(1, 2, UpTo35, 40, false), 650, 1, 1, 0.945f, 1, 1},
        FactorCase{"Height900", Input(1, 2, UpTo35, 40, false), 900, 1, 1, 0.875f, 1, 1},
        FactorCase{"Height1100", Input(1, 2, UpTo35, 40, false), 1100, 1, 1, 0.825f, 1, 1},
        FactorCase{"Height1200", Input(1, 2, UpTo35, 40, false), 1200, 1, 1, 0.8f, 1, 1},
        FactorCase{"Height1500", Input(1, 2, UpTo35, 40, false), 1500, 1, 1, 0.8f, 1, 1}),
    [](const ::testing::TestParamInfo<FactorCase>& info) { return info.param.name; });

class DesignStrengthsTest : public ::testing::Test {
  protected:
    // Every factor set, then the design values from the normative ones.
    static TBeamCalc Compute(const TDesignInput& input, int32_t heightMm, float duration1,
                             float duration2) {
        TBeamCalc calc;
        calc.DurationFactorStrength = duration1;
        calc.DurationFactorStiffness = duration2;
        ComputeServiceFactor(calc, input);
        ComputeTemperatureFactor(calc, input);
        ComputeHeightFactor(calc, heightMm);
        ComputeImpregnationFactor(calc, input);
        ComputeResponsibilityFactor(calc, input);
        ComputeDesignStrengths(calc, input);
        return calc;
    }

    static TDesignInput WithMaterial(TDesignInput input) {
        input.Material = TMaterialValues{30, 3, 14000};
        return input;
    }
};

TEST_F(DesignStrengthsTest, DefaultsKeepTheNormativeValues) {
    const TBeamCalc calc = Compute(WithMaterial(TDesignInput{}), 400, 1, 1);
    EXPECT_EQ(calc.BendingStrengthNorm, 30.0f);
    EXPECT_EQ(calc.ShearStrengthNorm, 3.0f);
    EXPECT_EQ(calc.ModulusNorm, 14000.0f);
    ExpectClose(calc.BendingStrength, 30);
    ExpectClose(calc.ShearStrength, 3);
    ExpectClose(calc.Modulus, 14000);
}

TEST_F(DesignStrengthsTest, EveryFactorScalesTheStrengths) {
    // R = 30 * 0.8 * 0.9 * 0.92 * 0.9 * 0.98 / 1.05, E = 14000 * 0.9 * 0.92 * 0.8.
    const TBeamCalc calc =
        Compute(WithMaterial(Input(2, 1, From35To50, 41, true)), 550, 0.8f, 0.8f);
    ExpectClose(calc.BendingStrength, 30 * 0.8 * 0.9 * 0.92 * 0.9 * 0.98 / 1.05);
    ExpectClose(calc.ShearStrength, 3 * 0.8 * 0.9 * 0.92 * 0.9 * 0.98 / 1.05);
    ExpectClose(calc.Modulus, 14000 * 0.9 * 0.92 * 0.8);
}

TEST_F(DesignStrengthsTest, ResponsibilityClassDividesTheStrengthsOnly) {
    const TBeamCalc class3 = Compute(WithMaterial(Input(1, 3, UpTo35, 40, false)), 400, 1, 1);
    ExpectClose(class3.BendingStrength, 30 / 0.9);
    ExpectClose(class3.Modulus, 14000);
}

TEST_F(DesignStrengthsTest, ModulusIgnoresHeightAndImpregnation) {
    const TBeamCalc calc = Compute(WithMaterial(Input(1, 1, UpTo35, 40, true)), 1500, 1, 1);
    ExpectClose(calc.BendingStrength, 30 * 0.9 * 0.8 / 1.05);
    ExpectClose(calc.Modulus, 14000);
}

} // namespace
} // namespace balka
