#include "model/NumericKeyFilter.h"

#include "model/Numbers.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

class NumericKeyFilterTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(NumericKeyFilterTest, DigitsBackspaceAndEnterPass) {
    NumericBox box{"12", 2};
    for (char32_t key : {U'0', U'9', KeyBackspace, KeyEnter}) {
        EXPECT_TRUE(FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real));
    }
    EXPECT_EQ(box.Text, "12");
}

TEST_F(NumericKeyFilterTest, OtherKeysAreSwallowed) {
    NumericBox box{"12", 1};
    for (char32_t key : {U'a', U' ', U'Ж', U'-', U'+'}) {
        EXPECT_FALSE(FilterNumericKey(box, key, MinusSign::Refused, NumberKind::Real));
    }
    EXPECT_EQ(box.Text, "12");
}

TEST_F(NumericKeyFilterTest, MinusOnlyWhenAllowedAndNotYetThere) {
    NumericBox box{"5", 0};
    EXPECT_TRUE(FilterNumericKey(box, U'-', MinusSign::Allowed, NumberKind::Real));
    box.Text = "-5";
    EXPECT_FALSE(FilterNumericKey(box, U'-', MinusSign::Allowed, NumberKind::Real));
}

TEST_F(NumericKeyFilterTest, PointOrCommaBecomesTheSeparatorOnce) {
    NumericBox box{"12", 1};
    EXPECT_FALSE(FilterNumericKey(box, U'.', MinusSign::Refused, NumberKind::Real));
    EXPECT_EQ(box.Text, "1,2");
    EXPECT_EQ(box.Caret, 2u);
    EXPECT_FALSE(FilterNumericKey(box, U',', MinusSign::Refused, NumberKind::Real));
    EXPECT_EQ(box.Text, "1,2");
}

TEST_F(NumericKeyFilterTest, SeparatorAtTheStartGetsALeadingZero) {
    NumericBox box{"5", 0};
    FilterNumericKey(box, U',', MinusSign::Refused, NumberKind::Real);
    EXPECT_EQ(box.Text, "0,5");
    EXPECT_EQ(box.Caret, 2u);
    SetDecimalSeparator('.');
    NumericBox empty{"", 0};
    FilterNumericKey(empty, U',', MinusSign::Refused, NumberKind::Real);
    EXPECT_EQ(empty.Text, "0.");
}

TEST_F(NumericKeyFilterTest, IntegerBoxesTakeNoSeparator) {
    NumericBox box{"12", 2};
    EXPECT_FALSE(FilterNumericKey(box, U',', MinusSign::Refused, NumberKind::Integer));
    EXPECT_EQ(box.Text, "12");
}

} // namespace
} // namespace balka
