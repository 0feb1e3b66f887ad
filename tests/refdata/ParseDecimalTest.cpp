#include "refdata/ParseDecimal.h"

#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace balka {
namespace {

struct DecimalCase {
    const char* name;
    char separator;
    const char* text;
    bool isNumber;
    float expected;
};

void PrintTo(const DecimalCase& c, std::ostream* out) {
    *out << c.name;
}

class ParseDecimalTest : public ::testing::TestWithParam<DecimalCase> {
  protected:
    void TearDown() override { SetDecimalSeparator(','); }
};

TEST_P(ParseDecimalTest, TakesEitherSeparator) {
    const DecimalCase& c = GetParam();
    SetDecimalSeparator(c.separator);
    const auto value = ParseDecimal(c.text);
    ASSERT_EQ(value.has_value(), c.isNumber);
    if (c.isNumber) {
        EXPECT_FLOAT_EQ(*value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Separators, ParseDecimalTest,
    ::testing::Values(DecimalCase{"StopUnderComma", ',', "12.5", true, 12.5f},
                      DecimalCase{"CommaUnderComma", ',', "1,5", true, 1.5f},
                      DecimalCase{"StopUnderStop", '.', "12.5", true, 12.5f},
                      DecimalCase{"CommaUnderStop", '.', "1,5", true, 1.5f},
                      DecimalCase{"Whole", ',', "9000", true, 9000.0f},
                      DecimalCase{"SecondSeparatorIsNoNumber", ',', "1.5.2", false, 0.0f},
                      DecimalCase{"BothSeparatorsAreNoNumber", '.', "1,5.2", false, 0.0f},
                      DecimalCase{"Letters", ',', "abc", false, 0.0f},
                      DecimalCase{"Empty", ',', "", false, 0.0f}),
    [](const ::testing::TestParamInfo<DecimalCase>& info) { return info.param.name; });

} // namespace
} // namespace balka
