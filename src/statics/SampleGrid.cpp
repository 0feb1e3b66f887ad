// Sample grid. A zone reaching over a support from a neighbour is measured from this span's end;
// when it reaches past a span shorter than its overhang, the position falls outside this span and
// is dropped (the span's own ends are samples anyway), so no sample ever lies outside its span.
#include "statics/SampleGrid.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace balka {
namespace {

constexpr int32_t GridStepMm = 50;

std::vector<int32_t> SpanSamples(const TBeam& beam, std::size_t i) {
    const TSpan& span = beam.Spans[i];
    std::vector<int32_t> positions;
    for (const TLoad& load : span.Loads) {
        if (load.Type == LoadPartSpan) {
            positions.push_back(load.Start);
            positions.push_back(load.Start + load.Length);
        } else if (load.Type == LoadPoint) {
            positions.push_back(load.Start);
        }
    }
    for (const TWeak& weak : span.Weaks) {
        if (weak.ZoneStart >= 0) {
            positions.push_back(weak.ZoneStart);
        }
        if (weak.ZoneEnd <= span.Length) {
            positions.push_back(weak.ZoneEnd);
        }
    }
    if (i > 0) {
        const TSpan& previous = beam.Spans[i - 1];
        for (const TWeak& weak : previous.Weaks) {
            if (weak.ZoneEnd > previous.Length) {
                positions.push_back(weak.ZoneEnd - previous.Length);
            }
        }
    }
    if (i + 1 < beam.Spans.size()) {
        for (const TWeak& weak : beam.Spans[i + 1].Weaks) {
            if (weak.ZoneStart < 0) {
                positions.push_back(span.Length - std::abs(weak.ZoneStart));
            }
        }
    }
    for (int32_t h = 0; h < span.Length; h += GridStepMm) {
        positions.push_back(h);
    }
    positions.push_back(span.Length);

    std::erase_if(positions, [&span](int32_t h) { return h < 0 || h > span.Length; });
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

} // namespace

void BuildSampleGrid(TBeam& beam) {
    for (std::size_t i = 0; i < beam.Spans.size(); ++i) {
        beam.Spans[i].SampleX = SpanSamples(beam, i);
    }
}

} // namespace balka
