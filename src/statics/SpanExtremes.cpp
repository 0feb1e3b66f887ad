// Span and beam extremes. A shear counts as zero within 0.001 kg (CompareWithTolerance); a
// zero between two samples is found in closed form from the loads that reach the later sample,
// along the slope in metres, and its position is brought back to horizontal millimetres rounded
// to the nearest whole millimetre.
#include "statics/SpanExtremes.h"

#include "model/Numbers.h"
#include "statics/SlopeConversion.h"
#include "statics/SpanTerms.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace balka {
namespace {

bool ChangesSign(float before, float after) {
    return (before > 0 && after < 0) || (before < 0 && after > 0);
}

// Position (metres along the slope) where the shear between two samples, the later at h1, is 0.
float ZeroShearBefore(const TSpan& span, int32_t h1, float cosine) {
    const float L = static_cast<float>(span.SlopeLength) * 0.001f;
    float S = 0;
    float W = 0;
    for (const TLoad& load : span.Loads) {
        const float w = load.NormalValue;
        const int32_t B = load.Start;
        if (IsDistributedLoad(load)) {
            const int32_t C = B + load.Length;
            const float D = HorizontalToSlopeMetres(B, cosine);
            const float E = HorizontalToSlopeMetres(C, cosine);
            if (B < h1 && C < h1) {
                S -= (E - D) * w;
            } else if (B < h1 && C >= h1) {
                S += w * D;
                W += w;
            }
        } else if (B < h1) {
            S -= w;
        }
    }
    if (CompareWithTolerance(0, W) == 0) {
        W = 1;
    }
    return ((span.MB - span.MA) / L + span.RA0 + S) / W;
}

float MomentAt(const TSpan& span, int32_t xMax, float x0, float cosine) {
    const float L = static_cast<float>(span.SlopeLength) * 0.001f;
    float moment = (span.MB - span.MA) * x0 / L + span.RA0 * x0 + span.MA;
    for (const TLoad& load : span.Loads) {
        const float w = load.NormalValue;
        const int32_t B = load.Start;
        if (IsDistributedLoad(load)) {
            const int32_t C = B + load.Length;
            const float D = HorizontalToSlopeMetres(B, cosine);
            const float E = HorizontalToSlopeMetres(C, cosine);
            if (B < xMax && C < xMax) {
                moment -= ((E - D) / 2 + (x0 - E)) * (E - D) * w;
            } else if (B < xMax && xMax <= C) {
                moment -= (x0 - D) * (x0 - D) * w / 2;
            }
        } else if (B < xMax) {
            const float p = HorizontalToSlopeMetres(B, cosine);
            moment -= (x0 - p) * w;
        }
    }
    return moment;
}

void FindExtremeOfSpan(TSpan& span, float cosine) {
    span.XMax = 0;
    span.MMax = 0;
    const std::size_t k = span.SampleX.size();
    for (std::size_t l = 0; l + 1 < k; ++l) {
        const float q1 = span.QLeft[l];
        const float q2 = span.QRight[l];
        const float q3 = span.QLeft[l + 1];
        if (CompareWithTolerance(0, q1) == 0 || ChangesSign(q1, q2)) {
            span.XMax = span.SampleX[l];
            span.MMax = span.M[l];
            return;
        }
        if (ChangesSign(q2, q3)) {
            const float x0 = ZeroShearBefore(span, span.SampleX[l + 1], cosine);
            span.XMax = static_cast<int32_t>((cosine * x0 + 0.0005f) * 1000.0f);
            span.MMax = MomentAt(span, span.XMax, x0, cosine);
            return;
        }
    }
}

} // namespace

void FindSpanMomentExtreme(TBeam& beam) {
    const float cosine = SlopeCosine(beam.SlopeAngle);
    for (TSpan& span : beam.Spans) {
        FindExtremeOfSpan(span, cosine);
    }
}

void ComputeBeamExtremes(TBeam& beam) {
    beam.MaxAbsM = 0;
    beam.MaxAbsQ = 0;
    for (const TSpan& span : beam.Spans) {
        if (std::fabs(span.MMax) > beam.MaxAbsM) {
            beam.MaxAbsM = std::fabs(span.MMax);
        }
        for (std::size_t j = 0; j < span.M.size() && j < span.QSeries.size(); ++j) {
            if (std::fabs(span.M[j]) > beam.MaxAbsM) {
                beam.MaxAbsM = std::fabs(span.M[j]);
            }
            if (std::fabs(span.QSeries[j]) > beam.MaxAbsQ) {
                beam.MaxAbsQ = std::fabs(span.QSeries[j]);
            }
        }
    }
}

} // namespace balka
