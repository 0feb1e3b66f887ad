// The spans the drawings may read: never more than the beam says it has (SpanCount, none when
// it is negative), nor more than its list of spans holds.
#pragma once

#include "model/Beam.h"

#include <span>

namespace balka {

std::span<const TSpan> DrawnSpans(const TBeam& beam);
std::span<TSpan> DrawnSpans(TBeam& beam);

} // namespace balka
