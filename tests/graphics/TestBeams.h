// Beams for the drawing tests, built as the recalculation would leave them before the statics:
// spans with their lengths, end supports and loads (a whole-beam load held once per span).
#pragma once

#include "model/Beam.h"

#include <cstdint>
#include <vector>

namespace balka::testing {

inline TBeam MakeBeam(const std::vector<int32_t>& lengths, int32_t left, int32_t right) {
    TBeam beam;
    beam.LeftSupport = left;
    beam.RightSupport = right;
    beam.SpanCount = static_cast<int32_t>(lengths.size());
    for (const int32_t length : lengths) {
        TSpan span;
        span.Length = length;
        beam.Spans.push_back(span);
        beam.TotalLength += length;
    }
    return beam;
}

// Span numbers count from 1, as in the loads table; a whole-beam load ignores it.
inline void AddLoad(TBeam& beam, int32_t spanNumber, int32_t type, float designValue,
                    int32_t start = 0, int32_t length = 0) {
    const auto place = [&](TSpan& span) {
        TLoad load;
        load.Type = type;
        load.DesignValue = designValue;
        load.Start = start;
        load.Length = type <= LoadWholeSpan ? span.Length : length;
        load.ToDraw = true;
        span.Loads.push_back(load);
    };
    if (type == LoadWholeBeam) {
        for (TSpan& span : beam.Spans) {
            place(span);
        }
    } else {
        place(beam.Spans.at(static_cast<size_t>(spanNumber - 1)));
    }
    ++beam.LoadCount;
}

} // namespace balka::testing
