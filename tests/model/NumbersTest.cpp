#include "model/Numbers.h"

#include "model/ConversionError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace balka {
namespace {

struct FormatCase {
    const char* name;
    double value;
    char separator;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class FormatCompactTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCompactTest, WritesTheBandForm) {
    const FormatCase& c = GetParam();
    SetDecimalSeparator(c.separator);
    EXPECT_EQ(FormatCompact(c.value), c.expected);
}

// Values are 32-bit floats, as everywhere in the program.
INSTANTIATE_TEST_SUITE_P(
    Bands, FormatCompactTest,
    ::testing::Values(FormatCase{"Zero", 0.0f, ',', "0"},
                      FormatCase{"TwoAndHalf", 2.50f, ',', "2,5"},
                      FormatCase{"Three", 3.0f, ',', "3"},
                      FormatCase{"FiveDigitsFrom1000", 1234.56f, ',', "1234,6"},
                      FormatCase{"ThreeDigitsBelowOne", 0.12345f, ',', "0,123"},
                      FormatCase{"FourDigitsFromOne", 3.14159f, ',', "3,142"},
                      FormatCase{"FourDigitsHundreds", 123.456f, ',', "123,5"},
                      FormatCase{"BelowOneRoundsToOne", 0.99995f, ',', "1"},
                      FormatCase{"JustBelowOne", 0.9994f, ',', "0,999"},
                      FormatCase{"BelowTenThousandRoundsUp", 9999.95f, ',', "10000"},
                      FormatCase{"TenThousandFixed", 10000.0f, ',', "10000"},
                      FormatCase{"FixedRoundsHalfUp", 12344.5f, ',', "12345"},
                      FormatCase{"FixedRoundsDown", 12345.4f, ',', "12345"},
                      FormatCase{"LargestFixed", 9999999.0f, ',', "9999999"},
                      FormatCase{"TenMillionScientific", 1e7f, ',', "1E7"},
                      FormatCase{"ScientificDigits", 12345678.0f, ',', "1,234568E7"},
                      FormatCase{"SmallFixed", 0.0001f, ',', "0,0001"},
                      FormatCase{"TenMicro", 0.00002f, ',', "0,00002"},
                      FormatCase{"BelowTenMicroScientific", 0.0000012345f, ',', "1,23E-6"},
                      FormatCase{"NegativeGeneral", -2.5f, ',', "-2,5"},
                      FormatCase{"NegativeFixed", -12345.6f, ',', "-12346"},
                      FormatCase{"NegativeSmall", -0.0004f, ',', "-0,0004"},
                      FormatCase{"HalfMetre", 0.5f, ',', "0,5"},
                      FormatCase{"PointSeparator", 2.5f, '.', "2.5"},
                      FormatCase{"PointSeparatorScientific", 0.0000012345f, '.', "1.23E-6"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

class ParsingTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(ParsingTest, ReadsNumbersWithTheCurrentSeparator) {
    EXPECT_FLOAT_EQ(TextToFloat("2,5"), 2.5f);
    EXPECT_FLOAT_EQ(TextToFloat(" -0,25 "), -0.25f);
    EXPECT_FLOAT_EQ(TextToFloat(",5"), 0.5f);
    EXPECT_FLOAT_EQ(TextToFloat("1,5E3"), 1500.0f);
    EXPECT_FALSE(TryTextToFloat("2.5"));
    SetDecimalSeparator('.');
    EXPECT_FLOAT_EQ(TextToFloat("2.5"), 2.5f);
    EXPECT_FALSE(TryTextToFloat("2,5"));
}

TEST_F(ParsingTest, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "abc", "1,2,3", "1e", "-", "2,5x", "1e400"}) {
        EXPECT_FALSE(TryTextToFloat(text)) << text;
    }
    EXPECT_THROW(TextToFloat("abc"), ConversionError);
    try {
        TextToFloat("abc");
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "значение \"abc\" не является числом.");
    }
}

TEST_F(ParsingTest, ReadsIntegers) {
    EXPECT_EQ(TextToInt("42"), 42);
    EXPECT_EQ(TextToInt(" -7 "), -7);
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    for (const char* text : {"", "1,5", "x", "2147483648", "99999999999"}) {
        EXPECT_FALSE(TryTextToInt(text)) << text;
    }
    EXPECT_THROW(TextToInt("1,5"), ConversionError);
}

TEST(CompareWithToleranceTest, CountsDifferencesBelowOneThousandthAsEqual) {
    EXPECT_EQ(CompareWithTolerance(0, 0.0004f), 0);
    EXPECT_EQ(CompareWithTolerance(1.0f, 1.0009f), 0);
    EXPECT_EQ(CompareWithTolerance(0, 0.002f), 1);
    EXPECT_EQ(CompareWithTolerance(0, -0.002f), -1);
    EXPECT_EQ(CompareWithTolerance(5, 3), -1);
}

TEST(MetresToMmTest, RoundsToTheNearestMillimetreHalfUp) {
    EXPECT_EQ(MetresToMm(2.4f), 2400);
    EXPECT_EQ(MetresToMm(2.4996f), 2500);
    EXPECT_EQ(MetresToMm(0.0f), 0);
    EXPECT_EQ(MetresToMm(1.0004f), 1000);
    EXPECT_EQ(MetresToMm(1.0006), 1001);
}

TEST(MetresToMmTest, RefusesWhatNoMillimetreCountHolds) {
    EXPECT_EQ(MetresToMm(2147483.0), 2147483000);
    EXPECT_THROW(MetresToMm(1e10f), ConversionError);
    EXPECT_THROW(MetresToMm(-1e10), ConversionError);
    EXPECT_THROW(MetresToMm(std::numeric_limits<float>::quiet_NaN()), ConversionError);
    EXPECT_THROW(MetresToMm(std::numeric_limits<double>::infinity()), ConversionError);
}

struct MetresCase {
    const char* Name;
    float Metres;
    const char* Text;
};

void PrintTo(const MetresCase& c, std::ostream* out) {
    *out << c.Name;
}

class FormatMetresTest : public ::testing::TestWithParam<MetresCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(FormatMetresTest, KeepsEveryMillimetre) {
    const MetresCase& c = GetParam();
    EXPECT_EQ(FormatMetres(c.Metres), c.Text);
    // Read back, the text gives the same millimetres.
    EXPECT_EQ(MetresToMm(TextToFloat(c.Text)), MetresToMm(c.Metres));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, FormatMetresTest,
    ::testing::Values(
        MetresCase{"Whole", 3.0f, "3"}, MetresCase{"TrailingZeroDropped", 2.5f, "2,5"},
        MetresCase{"TwelveMetresAndMillimetres", 12.345f, "12,345"},
        MetresCase{"PointLoadBeforeTheSupport", 11.997f, "11,997"},
        MetresCase{"FiftyMetres", 49.999f, "49,999"}, MetresCase{"BelowOneMetre", 0.05f, "0,05"},
        MetresCase{"NearestMillimetre", 2.4996f, "2,5"}, MetresCase{"Zero", 0.0f, "0"}),
    [](const ::testing::TestParamInfo<MetresCase>& info) { return info.param.Name; });

TEST(VerdictComparisonTest, ANaNNeverPasses) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(ExceedsLimit(5.0f, 5.0f));
    EXPECT_TRUE(ExceedsLimit(5.1f, 5.0f));
    EXPECT_TRUE(ExceedsLimit(nan, 5.0f));
    EXPECT_TRUE(ExceedsLimit(0.0f, nan));
    EXPECT_TRUE(ExceedsLimit(std::numeric_limits<float>::infinity(), 1e30f));
}

TEST(RaiseMaximumTest, KeepsANaNItHasMet) {
    float maximum = 0;
    RaiseMaximum(maximum, 3.0f);
    RaiseMaximum(maximum, 2.0f);
    EXPECT_EQ(maximum, 3.0f);
    RaiseMaximum(maximum, std::numeric_limits<float>::quiet_NaN());
    RaiseMaximum(maximum, 7.0f);
    EXPECT_TRUE(std::isnan(maximum));
}

} // namespace
} // namespace balka
