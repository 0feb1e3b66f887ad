#include "refdata/TextLines.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLinesTest, SplitsOnEveryKindOfLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
}

TEST(TextLinesTest, FinalLineEndAddsNoLineButBlankLinesStay) {
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(TextLinesTest, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

} // namespace
} // namespace balka
