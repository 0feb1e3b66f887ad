// The displacement-method preparation of the beam: one node per support point, a type for every
// span from the kinds of its two end nodes, the stiffness coefficients (units 1/m, the common
// flexural stiffness factored out) and fixed-end load moments of every span, and the reactions of
// every span taken as simply supported. Lengths are metres along the slope (whole mm x 0.001),
// forces kg, moments kg*m, sagging positive: downward loads give negative load moments.
#pragma once

#include "model/Beam.h"

#include <cstdint>

namespace balka {

// Span types by the kinds of the two end nodes (restrained = fixed end or intermediate support).
enum SpanType : int32_t {
    SpanUntyped = 0,         // a hinge opposite a free end, or two free ends: no statics
    SpanRestrainedBoth = 1,  // both ends restrained
    SpanRestrainedHinge = 2, // restrained left, pinned right
    SpanHingeRestrained = 3, // pinned left, restrained right
    SpanOverhangRight = 4,   // restrained left, free right end
    SpanOverhangLeft = 5,    // free left end, restrained right
    SpanHingeHinge = 6,      // simply supported single span
};

// Rebuilds Nodes (left end, SpanCount - 1 intermediate supports, right end) and InnerSupportCount.
void BuildNodes(TBeam& beam);

// Sets Type of every span from its two nodes; a pair without a type leaves the span's Type as is.
void ClassifySpans(TBeam& beam);

// Writes the coefficients of span spanIndex and its left load moment into node spanIndex and its
// right load moment into node spanIndex + 1. A span without a type is skipped.
void ComputeSpanTerms(TBeam& beam, int spanIndex);

// Sets RA0 and RB0 of every span: the reactions of the span as a simply supported beam.
void ComputeSimpleReactions(TBeam& beam);

// True when the span's Type is one of 1 to 6.
bool HasSpanType(const TSpan& span);

// Types 1 to 3 are uniformly distributed over their loaded length; every other type acts as a
// point load.
bool IsDistributedLoad(const TLoad& load);

} // namespace balka
