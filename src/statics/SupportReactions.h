// The reactions of the supports that carry load: every intermediate support and each end that is
// a hinge or fixed, left to right. Each is given for the design loads (F x Yf), the normative
// loads (F) and their long-term part (F x Kd), in kg, upward positive; a fixed end also gets its
// fixing moment from the design loads (kg*m, sagging positive like the moment diagram). The
// statics solves the beam across its axis; the supports of a sloped beam are taken to push
// vertically, so every reaction here is the vertical force (the force across the axis / cos).
// Positions are horizontal millimetres from the beam's left end.
#pragma once

#include "model/Beam.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace balka {

struct TSupportReaction {
    int32_t X = 0;               // horizontal mm from the beam's left end
    float Design = 0;            // kg, from F x Yf
    float Normative = 0;         // kg, from F
    float LongTerm = 0;          // kg, from F x Kd
    std::optional<float> Moment; // kg*m from F x Yf, at a fixed end only
};

struct TSupportReactions {
    std::vector<TSupportReaction> Supports;
    // The beam is sloped, so the places that show the reactions say they are vertical forces.
    bool Sloped = false;
    // Vertical totals of the design loads and of the design reactions (kg).
    float DesignLoadSum = 0;
    float DesignReactionSum = 0;
    // The two totals agree within the float sums and the millimetre rounding along the slope.
    bool Balanced = true;
};

// The reactions of the beam as its loads are now (the loads' F, Yf and Kd, not the NormalValue a
// design may have overwritten). The statics is re-run on a copy for each set of loads, so the
// beam itself is left as it is. A beam without spans, or one whose end supports cannot carry
// load, has no supports here.
TSupportReactions ComputeSupportReactions(const TBeam& beam);

// What the program says when the design reactions do not add up to the design loads; empty when
// they do.
std::string ReactionBalanceMessage(const TSupportReactions& reactions);

} // namespace balka
