// Deflection computation in its fixed order. Break points are whole millimetres along the
// slope; the cosine of the loads is the same 32-bit float as everywhere in the statics.
#include "statics/Deflections.h"

#include "statics/CantileverDeflections.h"
#include "statics/SlopeConversion.h"
#include "statics/SpanDeflection.h"
#include "statics/SpanTerms.h"
#include "statics/SupportMoments.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace balka {
namespace {

// The statics of this beam has run: every span typed, nodes built, one design record per span.
bool ReadyForDeflections(const TBeam& beam, const TBeamCalc& calc) {
    const std::size_t n = beam.Spans.size();
    return n > 0 && beam.Nodes.size() == n + 1 && calc.SpanCalcs.size() == n &&
           std::all_of(beam.Spans.begin(), beam.Spans.end(), HasSpanType);
}

bool IsBetweenSupports(const TSpan& span) {
    return span.Type == SpanRestrainedBoth || span.Type == SpanRestrainedHinge ||
           span.Type == SpanHingeRestrained || span.Type == SpanHingeHinge;
}

void RunMode(TBeam& beam, TBeamCalc& calc, TDeflectionLoads loads, const TDeflectionRun& run) {
    if (!ReadyForDeflections(beam, calc)) {
        return;
    }
    PrepareDeflectionLoads(beam, loads);
    RerunStaticsForDeflection(beam);
    ComputeSpanDeflections(beam, calc, run);
}

} // namespace

void PrepareDeflectionLoads(TBeam& beam, TDeflectionLoads loads) {
    const float c = SlopeCosine(beam.SlopeAngle);
    for (TSpan& span : beam.Spans) {
        for (TLoad& load : span.Loads) {
            float v = load.F;
            if (loads == TDeflectionLoads::LongTerm) {
                v = v * load.Kd;
            }
            load.NormalValue = IsDistributedLoad(load) ? c * c * v : c * v;
        }
    }
}

void RerunStaticsForDeflection(TBeam& beam) {
    for (int i = 0; i < static_cast<int>(beam.Spans.size()); ++i) {
        ComputeSpanTerms(beam, i);
    }
    SolveSupportMoments(beam);
    ComputeSimpleReactions(beam);
}

void BuildBreakPoints(const TBeam& beam, TBeamCalc& calc) {
    for (std::size_t i = 0; i < beam.Spans.size() && i < calc.SpanCalcs.size(); ++i) {
        const TSpan& span = beam.Spans[i];
        std::vector<int32_t> points;
        for (const TLoad& load : span.Loads) {
            if (load.Type == LoadPartSpan) {
                points.push_back(load.SlopeStart);
                points.push_back(load.SlopeStart + load.SlopeLength);
            } else if (load.Type == LoadPoint) {
                points.push_back(load.SlopeStart);
            }
        }
        points.push_back(0);
        points.push_back(span.SlopeLength);
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
        calc.SpanCalcs[i].BreakPoints = points;
    }
}

void ComputeSpanDeflections(TBeam& beam, TBeamCalc& calc, const TDeflectionRun& run) {
    const int n = static_cast<int>(beam.Spans.size());
    if (n == 1 && (beam.LeftSupport == SupportFree || beam.RightSupport == SupportFree)) {
        SingleCantileverDeflection(beam, calc, run);
        return;
    }
    BuildBreakPoints(beam, calc);
    for (int i = 0; i < n; ++i) {
        const TSpan& span = beam.Spans[static_cast<std::size_t>(i)];
        if (!IsBetweenSupports(span)) {
            continue;
        }
        TSpanCalc& spanCalc = calc.SpanCalcs[static_cast<std::size_t>(i)];
        // The span's maximum starts from nothing in either mode.
        DeflectionMaximum(spanCalc, run) = 0;
        spanCalc.MaxDeflectionX = 0;
        ComputeStartSlope(span, spanCalc);
        const int intervals = static_cast<int>(spanCalc.BreakPoints.size()) - 1;
        for (int j = 0; j < intervals; ++j) {
            FindSpanDeflection(span, i, j, spanCalc, run);
        }
        RefineSpanDeflection(span, spanCalc, run);
        if (i == 1 && beam.LeftSupport == SupportFree) {
            LeftCantileverDeflection(beam, calc, run);
        }
        if (i + 2 == n && beam.RightSupport == SupportFree) {
            RightCantileverDeflection(beam, calc, run);
        }
    }
}

void ComputeDeflections(TBeam& beam, TBeamCalc& calc, TDeflectionLoads loads) {
    TDeflectionRun run;
    run.Mode = TDeflectionMode::Design;
    run.Modulus = calc.Modulus;
    run.Inertia = calc.Inertia;
    RunMode(beam, calc, loads, run);
}

void ComputeDeflectionNumerators(TBeam& beam, TBeamCalc& calc, TDeflectionLoads loads,
                                 MessageSink& messages) {
    TDeflectionRun run;
    run.Mode = TDeflectionMode::Selection;
    run.Messages = &messages;
    RunMode(beam, calc, loads, run);
}

void ScaleDeflections(TBeamCalc& calc, const TBeam& beam) {
    const std::size_t n = beam.Spans.size();
    TDeflectionRun run;
    run.Modulus = calc.Modulus;
    run.Inertia = calc.Inertia;
    for (std::size_t i = 0; i < n && i < calc.SpanCalcs.size(); ++i) {
        const bool leftOverhang = i == 0 && beam.LeftSupport == SupportFree;
        const bool rightOverhang = i + 1 == n && beam.RightSupport == SupportFree;
        if (IsBetweenSupports(beam.Spans[i]) || leftOverhang || rightOverhang) {
            TSpanCalc& spanCalc = calc.SpanCalcs[i];
            spanCalc.BendingDeflection = ScaledDeflection(spanCalc.DeflectionNumerator, run);
        }
    }
}

} // namespace balka
