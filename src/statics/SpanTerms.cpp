// Span types, span load terms and simple reactions. Every named quantity (L, a, b, c, alpha,
// beta, the running sums) is a 32-bit float and each formula keeps its written order, so the
// results repeat exactly from run to run. Types 1, 2 and 3 place a distributed load at its
// centre with the millimetre length halved as an integer (toward zero); the cantilever types
// use the exact centre.
#include "statics/SpanTerms.h"

#include <cstddef>

namespace balka {
namespace {

bool IsRestrained(int32_t nodeType) {
    return nodeType == SupportFixed || nodeType == SupportInner;
}

int32_t SpanTypeFor(int32_t left, int32_t right, int32_t unchanged) {
    if (IsRestrained(left)) {
        if (IsRestrained(right)) {
            return SpanRestrainedBoth;
        }
        if (right == SupportHinge) {
            return SpanRestrainedHinge;
        }
        if (right == SupportFree) {
            return SpanOverhangRight;
        }
        return unchanged;
    }
    if (left == SupportHinge) {
        if (IsRestrained(right)) {
            return SpanHingeRestrained;
        }
        if (right == SupportHinge) {
            return SpanHingeHinge;
        }
        return unchanged;
    }
    if (left == SupportFree && IsRestrained(right)) {
        return SpanOverhangLeft;
    }
    return unchanged;
}

struct EndMoments {
    float ML = 0;
    float MR = 0;
};

// Load moments of one distributed load over [s, s + t] (whole mm along the slope).
void AddDistributedMoments(int32_t spanType, float L, const TLoad& load, EndMoments& sums) {
    const float w = load.NormalValue;
    const int32_t s = load.SlopeStart;
    const int32_t t = load.SlopeLength;
    const float c = static_cast<float>(t) * 0.001f;
    const float a = static_cast<float>(s + t / 2) * 0.001f;
    const float b = L - a;
    switch (spanType) {
    case SpanRestrainedBoth:
        sums.ML -= w * c * (a * b * b - c * c * (2 * b - a) / 12) / (L * L);
        sums.MR -= w * c * (a * a * b - c * c * (2 * a - b) / 12) / (L * L);
        break;
    case SpanRestrainedHinge:
        // A load centred on the fixed end itself (a = 0) gives no moment there; the formula
        // would divide 0 by 0.
        if (a != 0) {
            sums.ML -= w * a * b * c * (L + b - c * c / (4 * a)) / (2 * L * L);
        }
        break;
    case SpanHingeRestrained:
        if (b != 0) {
            sums.MR -= w * a * b * c * (L + a - c * c / (4 * b)) / (2 * L * L);
        }
        break;
    case SpanOverhangRight:
        sums.ML -= w * c * (static_cast<float>(s) * 0.001f + c / 2);
        break;
    case SpanOverhangLeft:
        sums.MR -= w * c * (L - static_cast<float>(s) * 0.001f - c + c / 2);
        break;
    default:
        break;
    }
}

void AddPointMoments(int32_t spanType, float L, const TLoad& load, EndMoments& sums) {
    const float P = load.NormalValue;
    const float p = static_cast<float>(load.SlopeStart) * 0.001f;
    const float alpha = p / L;
    const float beta = 1 - alpha;
    switch (spanType) {
    case SpanRestrainedBoth:
        sums.ML -= P * L * alpha * beta * beta;
        sums.MR -= P * L * alpha * alpha * beta;
        break;
    case SpanRestrainedHinge:
        sums.ML -= P * L * beta * (1 - beta * beta) / 2;
        break;
    case SpanHingeRestrained:
        sums.MR -= P * L * alpha * (1 - alpha * alpha) / 2;
        break;
    case SpanOverhangRight:
        sums.ML -= P * p;
        break;
    case SpanOverhangLeft:
        sums.MR -= P * (L - p);
        break;
    default:
        break;
    }
}

} // namespace

bool IsDistributedLoad(const TLoad& load) {
    return load.Type == LoadWholeBeam || load.Type == LoadWholeSpan || load.Type == LoadPartSpan;
}

bool HasSpanType(const TSpan& span) {
    return span.Type >= SpanRestrainedBoth && span.Type <= SpanHingeHinge;
}

void BuildNodes(TBeam& beam) {
    beam.Nodes.clear();
    TNode left;
    left.Type = beam.LeftSupport;
    beam.Nodes.push_back(left);
    for (int32_t i = 0; i < beam.SpanCount - 1; ++i) {
        TNode inner;
        inner.Type = SupportInner;
        beam.Nodes.push_back(inner);
    }
    TNode right;
    right.Type = beam.RightSupport;
    beam.Nodes.push_back(right);
    beam.InnerSupportCount = static_cast<int32_t>(beam.Nodes.size()) - 2;
}

void ClassifySpans(TBeam& beam) {
    for (std::size_t i = 0; i < beam.Spans.size() && i + 1 < beam.Nodes.size(); ++i) {
        TSpan& span = beam.Spans[i];
        span.Type = SpanTypeFor(beam.Nodes[i].Type, beam.Nodes[i + 1].Type, span.Type);
    }
}

void ComputeSpanTerms(TBeam& beam, int spanIndex) {
    TSpan& span = beam.Spans.at(static_cast<std::size_t>(spanIndex));
    if (!HasSpanType(span)) {
        return;
    }
    const float L = static_cast<float>(span.SlopeLength) * 0.001f;
    EndMoments sums;
    for (const TLoad& load : span.Loads) {
        if (IsDistributedLoad(load)) {
            AddDistributedMoments(span.Type, L, load, sums);
        } else {
            AddPointMoments(span.Type, L, load, sums);
        }
    }

    TNode& node = beam.Nodes.at(static_cast<std::size_t>(spanIndex));
    node.KLL = 0;
    node.KLR = 0;
    node.KRL = 0;
    node.KRR = 0;
    switch (span.Type) {
    case SpanRestrainedBoth:
        node.KLL = 4 / L;
        node.KLR = 2 / L;
        node.KRL = -2 / L;
        node.KRR = -4 / L;
        break;
    case SpanRestrainedHinge:
        node.KLL = 3 / L;
        break;
    case SpanHingeRestrained:
        node.KRR = -3 / L;
        break;
    default:
        break;
    }
    node.MLeft0 = sums.ML;
    beam.Nodes.at(static_cast<std::size_t>(spanIndex) + 1).MRight0 = sums.MR;
}

void ComputeSimpleReactions(TBeam& beam) {
    for (TSpan& span : beam.Spans) {
        const float L = static_cast<float>(span.SlopeLength) * 0.001f;
        float RA = 0;
        float RB = 0;
        for (const TLoad& load : span.Loads) {
            if (IsDistributedLoad(load)) {
                const float w = load.NormalValue;
                const float c = static_cast<float>(load.SlopeLength) * 0.001f;
                const float a = static_cast<float>(load.SlopeStart + load.SlopeLength / 2) * 0.001f;
                const float F = w * c;
                RB += F * a / L;
                RA += F * (L - a) / L;
            } else {
                const float P = load.NormalValue;
                const float p = static_cast<float>(load.SlopeStart) * 0.001f;
                RB += p * P / L;
                RA += P * (L - p) / L;
            }
        }
        span.RA0 = RA;
        span.RB0 = RB;
    }
}

} // namespace balka
