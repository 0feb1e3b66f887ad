// The spans the drawings may read, shared by the scheme and the diagrams so that both stop at
// the same span.
#include "graphics/DrawnSpans.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace balka {
namespace {

std::size_t DrawnSpanCount(const TBeam& beam) {
    const auto count = static_cast<std::size_t>(std::max<int32_t>(beam.SpanCount, 0));
    return std::min(count, beam.Spans.size());
}

} // namespace

std::span<const TSpan> DrawnSpans(const TBeam& beam) {
    return std::span<const TSpan>(beam.Spans).first(DrawnSpanCount(beam));
}

std::span<TSpan> DrawnSpans(TBeam& beam) {
    return std::span<TSpan>(beam.Spans).first(DrawnSpanCount(beam));
}

} // namespace balka
