// The checks of the sections weakened by round holes: whether each hole lies within the
// section height, whether the net section left beside it is admissible, and the net-section
// properties (cm, cm3, cm4) and capacities (kg*m, kg) compared with the largest moment and
// shear in the hole's zone of influence. Writes only the check fields of the holes.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"

namespace balka {

// Every hole of every span, spans in order, holes in the order of the span's list; reads the
// section (WidthCm, HeightCm) and the design strengths of calc.
void CheckHoles(TBeam& beam, const TBeamCalc& calc);

enum class THoleVerdict {
    Ignored, // the hole centre lies outside the section
    Passed,
    Failed,
};

// Equality with a capacity passes.
THoleVerdict HoleVerdict(const TWeak& hole);

} // namespace balka
