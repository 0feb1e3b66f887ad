#include "design/DeflectionCheck.h"

#include "DesignTestSupport.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

using test::ExpectClose;

TEST(DeflectionLimitsTest, CantileversGetTwiceTheLimit) {
    TBeam beam = test::BeamOfSpans({2000, 2000, 2000});
    beam.Spans[0].Type = 5;
    beam.Spans[1].Type = 1;
    beam.Spans[2].Type = 4;
    TBeamCalc calc;
    calc.SpanCalcs.resize(3);
    calc.SpanCalcs[1].BendingDeflection = 7;
    ComputeDeflectionLimits(calc, beam, TDesignInput{});
    ExpectClose(calc.SpanCalcs[0].DeflectionLimit, 20);
    ExpectClose(calc.SpanCalcs[1].DeflectionLimit, 10);
    ExpectClose(calc.SpanCalcs[2].DeflectionLimit, 20);
    EXPECT_EQ(calc.SpanCalcs[1].DeflectionDivisor, 200.0f);
    EXPECT_EQ(calc.SpanCalcs[1].BendingDeflection, 0.0f);
}

TEST(DeflectionLimitsTest, UsesTheLengthAlongTheSlope) {
    TBeam beam = test::BeamOfSpans({3000});
    beam.Spans[0].Type = 6;
    beam.Spans[0].SlopeLength = 3600;
    TBeamCalc calc;
    calc.SpanCalcs.resize(1);
    TDesignInput input;
    input.DeflectionDivisor = 300;
    ComputeDeflectionLimits(calc, beam, input);
    ExpectClose(calc.SpanCalcs[0].DeflectionLimit, 12);
}

TEST(ShearCorrectionTest, AddsTheShearDeformation) {
    TBeam beam = test::BeamOfSpans({4000});
    TBeamCalc calc;
    calc.HeightCm = 40;
    calc.SpanCalcs.resize(1);
    calc.SpanCalcs[0].BendingDeflection = 10;
    ApplyShearCorrection(calc, beam);
    // h / l = 40 / 400: 1 + 19.2 * 0.01 = 1.192.
    ExpectClose(calc.SpanCalcs[0].Deflection, 11.92);
}

} // namespace
} // namespace balka
