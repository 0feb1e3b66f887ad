// Small builders and the one tolerance comparison shared by the design tests.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace balka::test {

// Relative tolerance of 32-bit results against hand-computed values.
inline void ExpectClose(float actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-5 * std::max(1.0, std::fabs(expected)));
}

inline TLoad DistributedLoad(float f, int32_t lengthMm, float yf, float kd) {
    TLoad load;
    load.Type = LoadWholeSpan;
    load.F = f;
    load.Yf = yf;
    load.Kd = kd;
    load.Length = lengthMm;
    load.SlopeLength = lengthMm;
    load.DesignValue = f * yf;
    load.NormalValue = load.DesignValue;
    return load;
}

inline TLoad PointLoad(float f, int32_t startMm, float yf, float kd) {
    TLoad load;
    load.Type = LoadPoint;
    load.F = f;
    load.Yf = yf;
    load.Kd = kd;
    load.Start = startMm;
    load.SlopeStart = startMm;
    load.DesignValue = f * yf;
    load.NormalValue = load.DesignValue;
    return load;
}

// A horizontal beam of the given spans (mm), hinged at both ends, without loads.
inline TBeam BeamOfSpans(std::initializer_list<int32_t> lengths) {
    TBeam beam;
    for (int32_t length : lengths) {
        TSpan span;
        span.Length = length;
        span.SlopeLength = length;
        beam.Spans.push_back(span);
        beam.TotalLength += length;
        beam.TotalSlopeLength += length;
    }
    beam.SpanCount = static_cast<int32_t>(beam.Spans.size());
    return beam;
}

} // namespace balka::test
