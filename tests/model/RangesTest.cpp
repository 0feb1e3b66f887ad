#include "model/Ranges.h"

#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace balka {
namespace {

struct RangeCase {
    const char* Name;
    Quantity Which;
    float Value;
    bool Within;
};

void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.Name;
}

class RangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeTest, DecidesWhetherTheValueIsSane) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(IsWithin(c.Which, c.Value), c.Within);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, RangeTest,
    ::testing::Values(
        // The lower bounds keep the editors' tolerance of 0.001.
        RangeCase{"SpanOfZero", Quantity::SpanLength, 0.0f, false},
        RangeCase{"SpanBelowTheTolerance", Quantity::SpanLength, 0.0005f, false},
        RangeCase{"SpanOfTwoMillimetres", Quantity::SpanLength, 0.002f, true},
        RangeCase{"SpanOfFiftyMetres", Quantity::SpanLength, 50.0f, true},
        RangeCase{"SpanLongerThanFiftyMetres", Quantity::SpanLength, 50.01f, false},
        RangeCase{"SpanOfTenMillionKilometres", Quantity::SpanLength, 1e10f, false},
        RangeCase{"SpanNotANumber", Quantity::SpanLength, kNaN, false},
        RangeCase{"SpanInfinite", Quantity::SpanLength, kInfinity, false},
        RangeCase{"SlopeOfTwentyKilometres", Quantity::SpanSlopeLength, 20000.0f, true},
        RangeCase{"SlopeBeyondTwentyKilometres", Quantity::SpanSlopeLength, 20001.0f, false},
        RangeCase{"LevelBeam", Quantity::SlopeAngle, 0.0f, true},
        RangeCase{"AngleJustBelowZero", Quantity::SlopeAngle, -0.0005f, true},
        RangeCase{"NegativeAngle", Quantity::SlopeAngle, -1.0f, false},
        RangeCase{"AngleOf89_99", Quantity::SlopeAngle, 89.99f, true},
        RangeCase{"AngleOf89_999", Quantity::SlopeAngle, 89.999f, false},
        RangeCase{"AngleOf90", Quantity::SlopeAngle, 90.0f, false},
        RangeCase{"AngleOf95", Quantity::SlopeAngle, 95.0f, false},
        RangeCase{"LoadOfAMillion", Quantity::LoadValue, 1e6f, true},
        RangeCase{"LoadOf1e38", Quantity::LoadValue, 1e38f, false},
        RangeCase{"ZeroLoad", Quantity::LoadValue, 0.0f, false},
        RangeCase{"ZeroSafetyFactor", Quantity::LoadFactor, 0.0f, true},
        RangeCase{"SafetyFactorOfEleven", Quantity::LoadFactor, 11.0f, false},
        RangeCase{"DurationFactorOfOne", Quantity::DurationFactor, 1.0f, true},
        RangeCase{"DurationFactorAboveOne", Quantity::DurationFactor, 1.01f, false},
        RangeCase{"PartLoadAtTheSupport", Quantity::LoadStart, 0.0f, true},
        RangeCase{"PointLoadAtTheSupport", Quantity::PointPosition, 0.0f, false},
        RangeCase{"HoleOf2147483647Millimetres", Quantity::HoleDiameter, 2147483647.0f, false},
        RangeCase{"HoleOfAMetre", Quantity::HoleDiameter, 1000.0f, true},
        RangeCase{"HoleAtTheSupport", Quantity::HolePosition, 0.0f, true},
        RangeCase{"HoleAt1e10Metres", Quantity::HolePosition, 1e10f, false},
        RangeCase{"HoleThreeMetresUp", Quantity::HoleHeight, 3.0f, false},
        RangeCase{"HoleBelowTheFace", Quantity::HoleHeight, -0.05f, true},
        RangeCase{"HoleThreeMetresDown", Quantity::HoleHeight, -3.0f, false},
        RangeCase{"WidthOfAMetre", Quantity::SectionWidth, 1000.0f, true},
        RangeCase{"HeightOfThreeMetres", Quantity::SectionHeight, 3000.0f, false},
        RangeCase{"HundredElements", Quantity::ElementCount, 100.0f, true},
        RangeCase{"ThousandElements", Quantity::ElementCount, 1000.0f, false},
        RangeCase{"ZeroLp", Quantity::Lp, 0.0f, false},
        RangeCase{"MaterialOfZero", Quantity::MaterialValue, 0.0f, false},
        RangeCase{"ModulusOf14000", Quantity::MaterialValue, 14000.0f, true},
        RangeCase{"NoSnowStrip", Quantity::StripWidth, 0.0f, true},
        RangeCase{"BeamsElevenMetresApart", Quantity::BeamStep, 11.0f, false},
        RangeCase{"AreaLoadOfAHundredThousand", Quantity::AreaLoad, 100000.0f, true}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return info.param.Name; });

class RangeTextTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(RangeTextTest, TellsTheEditorsWhatIsTooLarge) {
    EXPECT_EQ(TooLargeMessage(Quantity::SpanLength),
              "Значение длины пролета должно быть не больше 50 м.");
    EXPECT_EQ(TooLargeMessage(Quantity::LoadValue),
              "Значение нагрузки должно быть не больше 1000000.");
    EXPECT_EQ(TooLargeMessage(Quantity::HoleHeight),
              "Значение привязки отверстия по высоте должно быть не больше 2 м.");
    // The angle keeps the editors' own words.
    EXPECT_EQ(TooLargeMessage(Quantity::SlopeAngle), "Значение угла должно быть меньше 90.");
    EXPECT_TRUE(IsAboveHighest(Quantity::SlopeAngle, 90.0f));
    EXPECT_FALSE(IsAboveHighest(Quantity::SpanLength, 0.0f));
}

TEST_F(RangeTextTest, SaysWhatAValueFromAFileMustBe) {
    EXPECT_EQ(RangeRequirement(Quantity::SpanLength),
              "длина пролета должна быть больше 0 и не больше 50 м");
    EXPECT_EQ(RangeRequirement(Quantity::SlopeAngle),
              "угол наклона должен быть не меньше 0 и меньше 90°");
    EXPECT_EQ(RangeRequirement(Quantity::DurationFactor),
              "коэффициент длительности должен быть от 0 до 1");
    EXPECT_EQ(RangeRequirement(Quantity::HoleHeight),
              "привязка отверстия по высоте должна быть от -2 до 2 м");
    EXPECT_EQ(RangeRequirement(Quantity::ElementCount),
              "количество досок в сечении должно быть больше 0 и не больше 100");
}

TEST(SpanRelationTest, KeepsTheEditorsTolerance) {
    EXPECT_TRUE(PartLoadFitsSpan(4.0f, 3.0f, 1.0f));
    EXPECT_FALSE(PartLoadFitsSpan(4.0f, 3.0f, 1.01f));
    EXPECT_TRUE(PointLoadInsideSpan(4.0f, 3.99f));
    EXPECT_FALSE(PointLoadInsideSpan(4.0f, 3.9995f));
    EXPECT_TRUE(WithinSpan(4.0f, 4.0f));
    EXPECT_FALSE(WithinSpan(4.0f, 4.01f));
    EXPECT_FALSE(PartLoadFitsSpan(4.0f, kNaN, 1.0f));
    EXPECT_FALSE(PointLoadInsideSpan(4.0f, kNaN));
}

} // namespace
} // namespace balka
