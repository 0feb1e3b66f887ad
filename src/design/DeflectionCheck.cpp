// Deflection limits and the shear correction in 32-bit floats.
#include "design/DeflectionCheck.h"

#include "statics/Deflections.h"

namespace balka {
namespace {

// Shear deformation coefficient of a rectangular section; the same for every load pattern.
constexpr float ShearDeflectionCoefficient = 19.2f;
// Deflection divisor k of the correction; 1 for laminated veneer lumber.
constexpr float ShearDeflectionDivisor = 1.0f;

bool HasFreeEnd(const TSpan& span) {
    return span.Type == 4 || span.Type == 5;
}

} // namespace

void ComputeDeflectionLimits(TBeamCalc& calc, const TBeam& beam, const TDesignInput& input) {
    const float n = static_cast<float>(input.DeflectionDivisor);
    for (size_t i = 0; i < beam.Spans.size() && i < calc.SpanCalcs.size(); ++i) {
        const TSpan& span = beam.Spans[i];
        TSpanCalc& spanCalc = calc.SpanCalcs[i];
        const float length = static_cast<float>(span.SlopeLength);
        // A cantilever is allowed twice the deflection of a span of the same length.
        spanCalc.DeflectionLimit = HasFreeEnd(span) ? 2.0f * length / n : length / n;
        spanCalc.DeflectionDivisor = n;
        spanCalc.BendingDeflection = 0;
    }
}

TDeflectionLoads DeflectionLoadsOf(const TDesignInput& input) {
    return input.LongTermDeflection ? TDeflectionLoads::LongTerm : TDeflectionLoads::ShortTerm;
}

void RunDeflectionCheck(TBeamCalc& calc, TBeam& beam, const TDesignInput& input) {
    ComputeDeflectionLimits(calc, beam, input);
    ComputeDeflections(beam, calc, DeflectionLoadsOf(input));
    ApplyShearCorrection(calc, beam);
}

void ApplyShearCorrection(TBeamCalc& calc, const TBeam& beam) {
    const float h = calc.HeightCm;
    for (size_t i = 0; i < beam.Spans.size() && i < calc.SpanCalcs.size(); ++i) {
        TSpanCalc& spanCalc = calc.SpanCalcs[i];
        const float l = static_cast<float>(beam.Spans[i].SlopeLength) * 0.1f;
        const float ratio = h / l;
        spanCalc.Deflection = (1.0f + ShearDeflectionCoefficient * ratio * ratio) *
                              spanCalc.BendingDeflection / ShearDeflectionDivisor;
    }
}

} // namespace balka
