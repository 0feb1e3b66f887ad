// Beams for the statics tests, built directly as the recalculation would build them from the
// editors (a namespace of their own, apart from the other test helpers): horizontal millimetres,
// lengths along the slope rounded to whole millimetres, loads across the beam axis (distributed x
// cos^2, point x cos), hole zones widened by 200 x cos mm. Values are given as entered (F, Yf, Kd);
// positions in horizontal millimetres.
#pragma once

#include "model/Beam.h"
#include "model/Numbers.h"
#include "statics/SlopeConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace balka::statics_test {

// The one tolerance of the statics tests: relative 1e-4, absolute below magnitude 1 (float
// sums over a hundred samples keep about five significant digits).
inline void ExpectClose(float actual, double expected) {
    const double tolerance = 1e-4 * std::max(1.0, std::fabs(expected));
    EXPECT_NEAR(actual, expected, tolerance);
}

inline TBeam MakeBeam(const std::vector<int32_t>& spanLengthsMm, int32_t left, int32_t right,
                      float slopeAngle = 0) {
    TBeam beam;
    beam.SlopeAngle = slopeAngle;
    beam.LeftSupport = left;
    beam.RightSupport = right;
    const double cosine = std::cos(static_cast<double>(slopeAngle) * 3.14159265358979323846 / 180);
    for (int32_t lengthMm : spanLengthsMm) {
        TSpan span;
        const float metres = static_cast<float>(lengthMm) * 0.001f;
        span.Length = MetresToMm(metres);
        span.SlopeLength = MetresToMm(static_cast<double>(metres) / cosine);
        beam.TotalLength += span.Length;
        beam.TotalSlopeLength += span.SlopeLength;
        beam.Spans.push_back(span);
    }
    beam.SpanCount = static_cast<int32_t>(beam.Spans.size());
    return beam;
}

struct LoadValue {
    float F = 0;
    float Yf = 1;
    float Kd = 1;
};

inline TLoad MakeLoad(const TBeam& beam, int32_t type, LoadValue value, int32_t startMm,
                      int32_t lengthMm) {
    const float c = SlopeCosine(beam.SlopeAngle);
    TLoad load;
    load.Type = type;
    load.F = value.F;
    load.Yf = value.Yf;
    load.Kd = value.Kd;
    load.DesignValue = value.F * value.Yf;
    load.NormalValue = type == LoadPoint ? c * load.DesignValue : c * c * load.DesignValue;
    load.Start = startMm;
    load.Length = lengthMm;
    load.SlopeStart = MetresToMm(static_cast<float>(startMm) * 0.001f / c);
    load.SlopeLength = MetresToMm(static_cast<float>(lengthMm) * 0.001f / c);
    load.ToDraw = true;
    return load;
}

// Uniform load over one whole span.
inline void AddSpanLoad(TBeam& beam, int span, LoadValue value) {
    TSpan& target = beam.Spans.at(span);
    TLoad load = MakeLoad(beam, LoadWholeSpan, value, 0, target.Length);
    load.SlopeLength = target.SlopeLength;
    target.Loads.push_back(load);
    ++beam.LoadCount;
}

// Uniform load over the whole beam: one copy in every span.
inline void AddBeamLoad(TBeam& beam, LoadValue value) {
    for (TSpan& span : beam.Spans) {
        TLoad load = MakeLoad(beam, LoadWholeBeam, value, 0, span.Length);
        load.SlopeLength = span.SlopeLength;
        span.Loads.push_back(load);
    }
    ++beam.LoadCount;
}

inline void AddPartLoad(TBeam& beam, int span, LoadValue value, int32_t startMm, int32_t lengthMm) {
    beam.Spans.at(span).Loads.push_back(MakeLoad(beam, LoadPartSpan, value, startMm, lengthMm));
    ++beam.LoadCount;
}

inline void AddPointLoad(TBeam& beam, int span, LoadValue value, int32_t atMm) {
    beam.Spans.at(span).Loads.push_back(MakeLoad(beam, LoadPoint, value, atMm, 0));
    ++beam.LoadCount;
}

// A hole of the given diameter centred at offsetMm; the zone is clipped only at the beam's ends.
inline void AddHole(TBeam& beam, int span, int32_t diameterMm, int32_t offsetMm) {
    const float c = SlopeCosine(beam.SlopeAngle);
    const int32_t half = diameterMm / 2;
    TWeak weak;
    weak.Diameter = diameterMm;
    weak.OffsetX = offsetMm;
    weak.ZoneStart = static_cast<int32_t>(static_cast<float>(offsetMm - half) - c * 200);
    weak.ZoneEnd = static_cast<int32_t>(static_cast<float>(offsetMm + half) + c * 200);
    TSpan& target = beam.Spans.at(span);
    if (span == 0 && weak.ZoneStart < 0) {
        weak.ZoneStart = 0;
    }
    if (span == beam.SpanCount - 1 && weak.ZoneEnd > target.Length) {
        weak.ZoneEnd = target.Length;
    }
    target.Weaks.push_back(weak);
    ++beam.HoleCount;
}

inline float SlopeMetres(const TBeam& beam, int span) {
    return static_cast<float>(beam.Spans.at(span).SlopeLength) * 0.001f;
}

// Index of a sample position in a span's SampleX; fails the test when it is not a sample.
inline std::size_t SampleIndex(const TSpan& span, int32_t positionMm) {
    const auto found = std::find(span.SampleX.begin(), span.SampleX.end(), positionMm);
    EXPECT_NE(found, span.SampleX.end()) << "no sample at " << positionMm << " mm";
    return found == span.SampleX.end() ? 0 : static_cast<std::size_t>(found - span.SampleX.begin());
}

} // namespace balka::statics_test
