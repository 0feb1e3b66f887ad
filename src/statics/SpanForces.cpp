// Forces along the spans. A distributed load whose end falls exactly on a sample counts as
// covering it (C >= h), which keeps shear and moment continuous where a part load ends. The
// series are rebuilt from empty, so a second run over the same spans gives the same lists.
#include "statics/SpanForces.h"

#include "statics/SlopeConversion.h"
#include "statics/SpanTerms.h"

#include <cstddef>
#include <cstdint>

namespace balka {
namespace {

void FillSpanForces(TSpan& span, float cosine) {
    span.QLeft.clear();
    span.QRight.clear();
    span.QSeries.clear();
    span.M.clear();
    const float L = static_cast<float>(span.SlopeLength) * 0.001f;
    const std::size_t last = span.SampleX.size() - 1;
    for (std::size_t j = 0; j < span.SampleX.size(); ++j) {
        const int32_t h = span.SampleX[j];
        const float x = HorizontalToSlopeMetres(h, cosine);
        const float Q0 = (span.MB - span.MA) / L + span.RA0;
        float qLeft = Q0;
        float qRight = Q0;
        float qSeries = Q0;
        float Mx = span.RA0 * x + (span.MB - span.MA) * x / L + span.MA;
        for (const TLoad& load : span.Loads) {
            const float w = load.NormalValue;
            const int32_t B = load.Start;
            if (IsDistributedLoad(load)) {
                const int32_t C = B + load.Length;
                const float D = HorizontalToSlopeMetres(B, cosine);
                const float E = HorizontalToSlopeMetres(C, cosine);
                if (B < h && C < h) {
                    const float shear = (E - D) * w;
                    qLeft -= shear;
                    qRight -= shear;
                    qSeries -= shear;
                    Mx -= (E - D) * w * ((x - E) + (E - D) / 2);
                } else if (B < h && C >= h) {
                    const float shear = (x - D) * w;
                    qLeft -= shear;
                    qRight -= shear;
                    qSeries -= shear;
                    Mx -= (x - D) * w * (x - D) / 2;
                }
            } else {
                const float p = HorizontalToSlopeMetres(B, cosine);
                if (B < h) {
                    qLeft -= w;
                    qSeries -= w;
                    Mx -= (x - p) * w;
                }
                if (B <= h) {
                    qRight -= w;
                }
            }
        }
        if (j == 0) {
            Mx = span.MA;
        } else if (j == last) {
            Mx = span.MB;
        }
        span.QLeft.push_back(qLeft);
        span.QRight.push_back(qRight);
        span.QSeries.push_back(qSeries);
        span.M.push_back(Mx);
    }
}

} // namespace

void ComputeSpanForces(TBeam& beam) {
    ComputeSimpleReactions(beam);
    ComputeForcesAtSamples(beam);
}

void ComputeForcesAtSamples(TBeam& beam) {
    const float cosine = SlopeCosine(beam.SlopeAngle);
    for (TSpan& span : beam.Spans) {
        FillSpanForces(span, cosine);
    }
}

} // namespace balka
