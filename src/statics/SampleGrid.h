// The sample positions of every span: a 50 mm grid, every point where a part-span load starts or
// ends or a point load acts, and every boundary of a hole's zone of influence, including the
// zones that reach over a support from a neighbouring span. Positions are horizontal whole
// millimetres from the span's left end, strictly ascending, within [0, Length], and always hold
// 0 and Length.
#pragma once

#include "model/Beam.h"

namespace balka {

// Sets SampleX of every span.
void BuildSampleGrid(TBeam& beam);

} // namespace balka
