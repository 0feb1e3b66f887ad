// The invariants every beam satisfies after a recalculation and a statics run: counts and
// lengths, one node per support point with the right codes, equal series lengths, strictly
// ascending sample positions from 0 to the span's Length with M ending on MA and MB, and
// non-negative beam maxima. Shared by the statics and the pipeline tests.
#pragma once

#include "model/Beam.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace balka::test {

inline void ExpectBeamInvariants(const TBeam& beam) {
    ASSERT_EQ(beam.Spans.size(), static_cast<std::size_t>(beam.SpanCount));
    int32_t totalLength = 0;
    int32_t totalSlopeLength = 0;
    for (const TSpan& span : beam.Spans) {
        totalLength += span.Length;
        totalSlopeLength += span.SlopeLength;
    }
    EXPECT_EQ(beam.TotalLength, totalLength);
    EXPECT_EQ(beam.TotalSlopeLength, totalSlopeLength);

    ASSERT_EQ(beam.Nodes.size(), static_cast<std::size_t>(beam.SpanCount) + 1);
    EXPECT_EQ(beam.InnerSupportCount, beam.SpanCount - 1);
    EXPECT_EQ(beam.Nodes.front().Type, beam.LeftSupport);
    EXPECT_EQ(beam.Nodes.back().Type, beam.RightSupport);
    for (std::size_t i = 1; i + 1 < beam.Nodes.size(); ++i) {
        EXPECT_EQ(beam.Nodes[i].Type, SupportInner) << "node " << i;
    }

    for (std::size_t i = 0; i < beam.Spans.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "span " << i);
        const TSpan& span = beam.Spans[i];
        const std::size_t count = span.SampleX.size();
        EXPECT_EQ(span.QLeft.size(), count);
        EXPECT_EQ(span.QRight.size(), count);
        EXPECT_EQ(span.QSeries.size(), count);
        EXPECT_EQ(span.M.size(), count);
        ASSERT_GE(count, 2u);
        EXPECT_EQ(span.SampleX.front(), 0);
        EXPECT_EQ(span.SampleX.back(), span.Length);
        for (std::size_t j = 1; j < count; ++j) {
            EXPECT_LT(span.SampleX[j - 1], span.SampleX[j]) << "sample " << j;
        }
        if (span.M.size() == count) {
            EXPECT_EQ(span.M.front(), span.MA);
            EXPECT_EQ(span.M.back(), span.MB);
        }
    }
    EXPECT_GE(beam.MaxAbsM, 0.0f);
    EXPECT_GE(beam.MaxAbsQ, 0.0f);
}

} // namespace balka::test
