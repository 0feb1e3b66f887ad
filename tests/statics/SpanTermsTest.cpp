// Span types from the end supports, and the textbook fixed-end and cantilever moments, stiffness
// coefficients and simple reactions of single spans.
#include "statics/SpanTerms.h"

#include "StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace balka {
namespace {

using statics_test::AddPointLoad;
using statics_test::AddSpanLoad;
using statics_test::ExpectClose;
using statics_test::MakeBeam;

struct TypeCase {
    const char* name;
    int spanCount;
    int32_t left;
    int32_t right;
    std::vector<int32_t> types;
};

void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << c.name;
}

class ClassifySpansTest : public ::testing::TestWithParam<TypeCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(ClassifySpansTest, TypesFollowTheEndNodes) {
    const TypeCase& c = GetParam();
    TBeam beam = MakeBeam(std::vector<int32_t>(static_cast<std::size_t>(c.spanCount), 3000), c.left,
                          c.right);
    BuildNodes(beam);
    ClassifySpans(beam);
    ASSERT_EQ(beam.Nodes.size(), static_cast<std::size_t>(c.spanCount) + 1);
    EXPECT_EQ(beam.InnerSupportCount, c.spanCount - 1);
    std::vector<int32_t> types;
    for (const TSpan& span : beam.Spans) {
        types.push_back(span.Type);
    }
    EXPECT_EQ(types, c.types);
}

INSTANTIATE_TEST_SUITE_P(
    EndSupports, ClassifySpansTest,
    ::testing::Values(TypeCase{"HingeHinge", 1, SupportHinge, SupportHinge, {SpanHingeHinge}},
                      TypeCase{"FixedFixed", 1, SupportFixed, SupportFixed, {SpanRestrainedBoth}},
                      TypeCase{"FixedHinge", 1, SupportFixed, SupportHinge, {SpanRestrainedHinge}},
                      TypeCase{"HingeFixed", 1, SupportHinge, SupportFixed, {SpanHingeRestrained}},
                      TypeCase{"FixedFree", 1, SupportFixed, SupportFree, {SpanOverhangRight}},
                      TypeCase{"FreeFixed", 1, SupportFree, SupportFixed, {SpanOverhangLeft}},
                      TypeCase{"HingeFreeHasNoType", 1, SupportHinge, SupportFree, {SpanUntyped}},
                      TypeCase{"FreeFreeHasNoType", 1, SupportFree, SupportFree, {SpanUntyped}},
                      TypeCase{"TwoSpansHinged",
                               2,
                               SupportHinge,
                               SupportHinge,
                               {SpanHingeRestrained, SpanRestrainedHinge}},
                      TypeCase{"ThreeSpansFreeEnds",
                               3,
                               SupportFree,
                               SupportFree,
                               {SpanOverhangLeft, SpanRestrainedBoth, SpanOverhangRight}}),
    [](const ::testing::TestParamInfo<TypeCase>& info) { return info.param.name; });

// One span of 6 m; w = 100 kg/m over it or P = 1000 kg at a given place.
struct TermsCase {
    const char* name;
    int32_t left;
    int32_t right;
    bool pointLoad;
    int32_t pointAtMm;
    double expectedML;         // kg*m, left load moment
    double expectedMR;         // kg*m, right load moment
    double kLL, kLR, kRL, kRR; // 1/m
};

void PrintTo(const TermsCase& c, std::ostream* os) {
    *os << c.name;
}

class SpanTermsTest : public ::testing::TestWithParam<TermsCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(SpanTermsTest, GivesTheTextbookEndMoments) {
    const TermsCase& c = GetParam();
    TBeam beam = MakeBeam({6000}, c.left, c.right);
    if (c.pointLoad) {
        AddPointLoad(beam, 0, {1000}, c.pointAtMm);
    } else {
        AddSpanLoad(beam, 0, {100});
    }
    BuildNodes(beam);
    ClassifySpans(beam);
    ComputeSpanTerms(beam, 0);
    ExpectClose(beam.Nodes[0].MLeft0, c.expectedML);
    ExpectClose(beam.Nodes[1].MRight0, c.expectedMR);
    ExpectClose(beam.Nodes[0].KLL, c.kLL);
    ExpectClose(beam.Nodes[0].KLR, c.kLR);
    ExpectClose(beam.Nodes[0].KRL, c.kRL);
    ExpectClose(beam.Nodes[0].KRR, c.kRR);
}

// w L^2 / 12 = 300, w L^2 / 8 = 450, w L^2 / 2 = 1800, P L / 8 = 750, P L = 6000.
INSTANTIATE_TEST_SUITE_P(
    SingleSpans, SpanTermsTest,
    ::testing::Values(
        TermsCase{"FixedBothUniform", SupportFixed, SupportFixed, false, 0, -300, -300, 4.0 / 6,
                  2.0 / 6, -2.0 / 6, -4.0 / 6},
        TermsCase{"FixedBothCentralPoint", SupportFixed, SupportFixed, true, 3000, -750, -750,
                  4.0 / 6, 2.0 / 6, -2.0 / 6, -4.0 / 6},
        TermsCase{"FixedHingeUniform", SupportFixed, SupportHinge, false, 0, -450, 0, 3.0 / 6, 0, 0,
                  0},
        // P a b (L + b) / (2 L^2) with a = 2, b = 4: 1000 * 8 * 10 / 72.
        TermsCase{"FixedHingePoint", SupportFixed, SupportHinge, true, 2000, -1000.0 * 80 / 72, 0,
                  3.0 / 6, 0, 0, 0},
        TermsCase{"HingeFixedUniform", SupportHinge, SupportFixed, false, 0, 0, -450, 0, 0, 0,
                  -3.0 / 6},
        TermsCase{"OverhangRightUniform", SupportFixed, SupportFree, false, 0, -1800, 0, 0, 0, 0,
                  0},
        TermsCase{"OverhangRightPointAtFreeEnd", SupportFixed, SupportFree, true, 6000, -6000, 0, 0,
                  0, 0, 0},
        TermsCase{"OverhangLeftUniform", SupportFree, SupportFixed, false, 0, 0, -1800, 0, 0, 0, 0},
        TermsCase{"OverhangLeftPointAtFreeEnd", SupportFree, SupportFixed, true, 0, 0, -6000, 0, 0,
                  0, 0},
        TermsCase{"SimplySupported", SupportHinge, SupportHinge, false, 0, 0, 0, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<TermsCase>& info) { return info.param.name; });

class SpanTermsEdgeTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SpanTermsEdgeTest, OddLengthCentreIsHalfAMillimetreShortInRestrainedSpans) {
    // 1001 mm of load from 0: the centre is taken at 500 mm, not 500.5 mm.
    TBeam beam = MakeBeam({6000}, SupportFixed, SupportHinge);
    statics_test::AddPartLoad(beam, 0, {100}, 0, 1001);
    BuildNodes(beam);
    ClassifySpans(beam);
    ComputeSpanTerms(beam, 0);
    const float L = 6, a = 0.5f, b = L - a, c = 1.001f, w = 100;
    ExpectClose(beam.Nodes[0].MLeft0, -(w * a * b * c * (L + b - c * c / (4 * a)) / (2 * L * L)));
}

TEST_F(SpanTermsEdgeTest, LoadCentredOnTheFixedEndGivesNoMomentInsteadOfNaN) {
    // A 1 mm load at the fixed end has its halved centre exactly on the end.
    TBeam beam = MakeBeam({6000}, SupportFixed, SupportHinge);
    statics_test::AddPartLoad(beam, 0, {100}, 0, 1);
    BuildNodes(beam);
    ClassifySpans(beam);
    ComputeSpanTerms(beam, 0);
    EXPECT_EQ(beam.Nodes[0].MLeft0, 0.0f);
}

TEST_F(SpanTermsEdgeTest, UntypedSpanIsSkipped) {
    TBeam beam = MakeBeam({3000}, SupportHinge, SupportFree);
    AddSpanLoad(beam, 0, {100});
    BuildNodes(beam);
    ClassifySpans(beam);
    beam.Nodes[0].MLeft0 = 7;
    ComputeSpanTerms(beam, 0);
    EXPECT_EQ(beam.Nodes[0].MLeft0, 7.0f);
}

TEST_F(SpanTermsEdgeTest, SimpleReactions) {
    TBeam beam = MakeBeam({6000, 6000, 6000}, SupportHinge, SupportHinge);
    AddSpanLoad(beam, 0, {100});
    AddPointLoad(beam, 1, {1000}, 2000);
    ComputeSimpleReactions(beam);
    ExpectClose(beam.Spans[0].RA0, 300);
    ExpectClose(beam.Spans[0].RB0, 300);
    ExpectClose(beam.Spans[1].RA0, 1000.0 * 4 / 6);
    ExpectClose(beam.Spans[1].RB0, 1000.0 * 2 / 6);
    EXPECT_EQ(beam.Spans[2].RA0, 0.0f);
    EXPECT_EQ(beam.Spans[2].RB0, 0.0f);
}

} // namespace
} // namespace balka
