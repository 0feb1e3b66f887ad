// The drawings read no more spans than the beam counts, nor more than its list holds.
#include "graphics/DrawnSpans.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>

namespace balka {
namespace {

struct DrawnCase {
    std::string Name;
    int32_t SpanCount;
    std::size_t Listed;
    std::size_t Drawn;
};

void PrintTo(const DrawnCase& c, std::ostream* os) {
    *os << c.Name;
}

class DrawnSpansTest : public ::testing::TestWithParam<DrawnCase> {};

TEST_P(DrawnSpansTest, TheSmallerOfCountAndList) {
    const DrawnCase& c = GetParam();
    TBeam beam;
    beam.SpanCount = c.SpanCount;
    beam.Spans.resize(c.Listed);
    EXPECT_EQ(DrawnSpans(beam).size(), c.Drawn);
    EXPECT_EQ(DrawnSpans(static_cast<const TBeam&>(beam)).size(), c.Drawn);
    if (c.Drawn > 0) {
        EXPECT_EQ(DrawnSpans(beam).data(), beam.Spans.data());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawnSpansTest,
                         ::testing::Values(DrawnCase{"AsCounted", 3, 3, 3},
                                           DrawnCase{"CountBeyondTheList", 4, 2, 2},
                                           DrawnCase{"ListBeyondTheCount", 1, 3, 1},
                                           DrawnCase{"NegativeCount", -1, 2, 0}),
                         [](const ::testing::TestParamInfo<DrawnCase>& info) {
                             return info.param.Name;
                         });

} // namespace
} // namespace balka
