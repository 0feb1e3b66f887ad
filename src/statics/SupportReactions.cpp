// Support reactions from the end shears of the spans: the span's simple reaction corrected by
// its end moments, (MB - MA) / L, as the shear series start from them. A point load lying on a
// support is in the simple reaction of the span it belongs to, so it goes into that support.
// Loads across the axis are made from the entered values exactly as the recalculation and the
// deflections make them (distributed x cos^2, point x cos, the same float cosine).
#include "statics/SupportReactions.h"

#include "model/Numbers.h"
#include "statics/SlopeConversion.h"
#include "statics/SpanTerms.h"
#include "statics/SupportMoments.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace balka {
namespace {

enum class ReactionLoads { Design, Normative, LongTerm };

float LoadValue(const TLoad& load, ReactionLoads loads) {
    switch (loads) {
    case ReactionLoads::Design:
        return load.DesignValue;
    case ReactionLoads::Normative:
        return load.F;
    case ReactionLoads::LongTerm:
        return load.F * load.Kd;
    }
    return load.DesignValue;
}

// What the span terms and the support moments read: the supports, the spans and their loads.
TBeam StaticsCopy(const TBeam& beam) {
    TBeam copy;
    copy.SlopeAngle = beam.SlopeAngle;
    copy.LeftSupport = beam.LeftSupport;
    copy.RightSupport = beam.RightSupport;
    copy.SpanCount = beam.SpanCount;
    for (const TSpan& span : beam.Spans) {
        TSpan bare;
        bare.Length = span.Length;
        bare.SlopeLength = span.SlopeLength;
        bare.Loads = span.Loads;
        copy.Spans.push_back(std::move(bare));
    }
    return copy;
}

struct NodeForces {
    std::vector<float> Across; // kg across the beam axis, one per node
    float LeftEndMoment = 0;   // MA of the first span, kg*m
    float RightEndMoment = 0;  // MB of the last span, kg*m
};

// The copy's nodes and span types are built; its loads are set to `loads` and solved.
NodeForces SolveNodeForces(TBeam& copy, ReactionLoads loads) {
    const float c = SlopeCosine(copy.SlopeAngle);
    for (TSpan& span : copy.Spans) {
        for (TLoad& load : span.Loads) {
            const float v = LoadValue(load, loads);
            load.NormalValue = IsDistributedLoad(load) ? c * c * v : c * v;
        }
    }
    for (int i = 0; i < static_cast<int>(copy.Spans.size()); ++i) {
        ComputeSpanTerms(copy, i);
    }
    SolveSupportMoments(copy);
    ComputeSimpleReactions(copy);

    NodeForces forces;
    forces.Across.assign(copy.Spans.size() + 1, 0.0f);
    for (std::size_t i = 0; i < copy.Spans.size(); ++i) {
        const TSpan& span = copy.Spans[i];
        const float L = static_cast<float>(span.SlopeLength) * 0.001f;
        const float shift = (span.MB - span.MA) / L;
        forces.Across[i] += shift + span.RA0;
        forces.Across[i + 1] += span.RB0 - shift;
    }
    forces.LeftEndMoment = copy.Spans.front().MA;
    forces.RightEndMoment = copy.Spans.back().MB;
    return forces;
}

bool NodeCarriesLoad(const TBeam& beam, std::size_t node) {
    if (node == 0) {
        return beam.LeftSupport != SupportFree;
    }
    if (node == beam.Spans.size()) {
        return beam.RightSupport != SupportFree;
    }
    return true;
}

} // namespace

TSupportReactions ComputeSupportReactions(const TBeam& beam) {
    TSupportReactions result;
    const std::size_t n = beam.Spans.size();
    if (beam.SpanCount <= 0 || n != static_cast<std::size_t>(beam.SpanCount) ||
        CannotCarryLoad(beam)) {
        return result;
    }
    TBeam copy = StaticsCopy(beam);
    BuildNodes(copy);
    ClassifySpans(copy);
    if (!std::all_of(copy.Spans.begin(), copy.Spans.end(), HasSpanType)) {
        return result;
    }
    const NodeForces normative = SolveNodeForces(copy, ReactionLoads::Normative);
    const NodeForces longTerm = SolveNodeForces(copy, ReactionLoads::LongTerm);
    const NodeForces design = SolveNodeForces(copy, ReactionLoads::Design);

    const float c = SlopeCosine(beam.SlopeAngle);
    result.Sloped = CompareWithTolerance(0, beam.SlopeAngle) != 0;
    int32_t x = 0;
    for (std::size_t node = 0; node <= n; ++node) {
        if (node > 0) {
            x += beam.Spans[node - 1].Length;
        }
        if (!NodeCarriesLoad(beam, node)) {
            continue;
        }
        TSupportReaction reaction;
        reaction.X = x;
        reaction.Design = design.Across[node] / c;
        reaction.Normative = normative.Across[node] / c;
        reaction.LongTerm = longTerm.Across[node] / c;
        if (node == 0 && beam.LeftSupport == SupportFixed) {
            reaction.Moment = design.LeftEndMoment;
        } else if (node == n && beam.RightSupport == SupportFixed) {
            reaction.Moment = design.RightEndMoment;
        }
        result.DesignReactionSum += reaction.Design;
        result.Supports.push_back(reaction);
    }

    // A distributed load is per horizontal metre: its vertical total is its value times its
    // horizontal length. The statics sees it over its length along the slope, rounded to whole
    // millimetres, so one millimetre of every distributed load is allowed beside 0,1 % of all
    // loads for the float sums.
    float magnitude = 0;
    float allowance = 0.01f;
    for (const TSpan& span : beam.Spans) {
        for (const TLoad& load : span.Loads) {
            float vertical = load.DesignValue;
            if (IsDistributedLoad(load)) {
                vertical = load.DesignValue * static_cast<float>(load.Length) * 0.001f;
                allowance += std::fabs(load.DesignValue) * 0.001f;
            }
            result.DesignLoadSum += vertical;
            magnitude += std::fabs(vertical);
        }
    }
    allowance += 0.001f * magnitude;
    // Written so that a NaN fails the comparison.
    result.Balanced = std::fabs(result.DesignReactionSum - result.DesignLoadSum) <= allowance;
    return result;
}

std::string ReactionBalanceMessage(const TSupportReactions& reactions) {
    if (reactions.Balanced) {
        return {};
    }
    return "Сумма реакций опор (" + FormatCompact(reactions.DesignReactionSum) +
           " кг) не совпадает с суммой расчетных нагрузок (" +
           FormatCompact(reactions.DesignLoadSum) + " кг).";
}

} // namespace balka
