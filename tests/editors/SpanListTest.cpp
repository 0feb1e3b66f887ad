// The span list items and the item kept chosen when the list is rebuilt.
#include "editors/SpanList.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace balka {
namespace {

TEST(SpanListTest, OneNumberedItemPerSpan) {
    EXPECT_EQ(SpanListItems(3), (std::vector<std::string>{"Пролет 1", "Пролет 2", "Пролет 3"}));
    EXPECT_TRUE(SpanListItems(0).empty());
}

struct KeptCase {
    std::string Name;
    int Remembered;
    int ItemCount;
    int Expected;
};

void PrintTo(const KeptCase& c, std::ostream* os) {
    *os << c.Name;
}

class KeptSpanIndexTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptSpanIndexTest, KeepsTheRememberedItemWhileItExists) {
    const KeptCase& c = GetParam();
    EXPECT_EQ(KeptSpanIndex(c.Remembered, c.ItemCount), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeptSpanIndexTest,
    ::testing::Values(KeptCase{"StillThere", 2, 3, 2}, KeptCase{"GoneWithItsSpan", 3, 3, 0},
                      KeptCase{"NoneChosenYet", -1, 2, 0}, KeptCase{"EmptyList", 1, 0, -1}),
    [](const ::testing::TestParamInfo<KeptCase>& info) { return info.param.Name; });

} // namespace
} // namespace balka
