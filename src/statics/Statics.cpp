// The statics run in its fixed order; each step reads only what the steps before it wrote.
#include "statics/Statics.h"

#include "statics/HoleZoneForces.h"
#include "statics/SampleGrid.h"
#include "statics/SpanExtremes.h"
#include "statics/SpanForces.h"
#include "statics/SpanTerms.h"
#include "statics/SupportMoments.h"

#include <algorithm>
#include <cstddef>

namespace balka {

void RunStatics(TBeam& beam) {
    beam.MaxAbsM = 0;
    beam.MaxAbsQ = 0;
    if (beam.SpanCount <= 0 || static_cast<std::size_t>(beam.SpanCount) != beam.Spans.size()) {
        return;
    }
    BuildNodes(beam);
    ClassifySpans(beam);
    if (!std::all_of(beam.Spans.begin(), beam.Spans.end(), HasSpanType)) {
        return;
    }
    for (int i = 0; i < beam.SpanCount; ++i) {
        ComputeSpanTerms(beam, i);
    }
    SolveSupportMoments(beam);
    BuildSampleGrid(beam);
    ComputeSpanForces(beam);
    FindSpanMomentExtreme(beam);
    ComputeBeamExtremes(beam);
    ComputeHoleZoneForces(beam);
}

} // namespace balka
