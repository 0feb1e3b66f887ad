// The selection's loop over the catalogue and the per-candidate order of the design steps.
#include "design/SectionSelection.h"

#include "design/DeflectionCheck.h"
#include "design/DesignChecks.h"
#include "design/DesignCoefficients.h"
#include "design/HoleChecks.h"
#include "model/Numbers.h"
#include "statics/Deflections.h"

namespace balka {
namespace {

bool CanSelect(const TSelectionRun& run) {
    const TBeam& beam = run.Beam;
    return beam.SchemeReady && beam.SpanCount > 0 &&
           beam.Spans.size() == static_cast<size_t>(beam.SpanCount) && !CannotCarryLoad(beam) &&
           run.Input.Count > 0;
}

bool FailsStrength(const TBeamCalc& calc, const TBeam& beam) {
    if (ExceedsLimit(calc.MaxMoment, calc.MomentCapacity) ||
        ExceedsLimit(calc.MaxShear, calc.ShearCapacity)) {
        return true;
    }
    for (const TSpan& span : beam.Spans) {
        for (const TWeak& hole : span.Weaks) {
            if (HoleVerdict(hole) == THoleVerdict::Failed) {
                return true;
            }
        }
    }
    return false;
}

bool FailsStabilityOrDeflection(const TBeamCalc& calc) {
    for (const TSpanCalc& spanCalc : calc.SpanCalcs) {
        if (ExceedsLimit(spanCalc.Stress, spanCalc.StressLimit) ||
            ExceedsLimit(spanCalc.Deflection, spanCalc.DeflectionLimit)) {
            return true;
        }
    }
    return false;
}

} // namespace

int32_t EvaluateCandidate(const TSelectionRun& run, int32_t width, int32_t height) {
    TBeam& beam = run.Beam;
    TBeamCalc& calc = run.Calc;
    const TDesignInput& input = run.Input;
    const bool first = calc.FirstPass;

    SetSection(calc, width, height, input.Count);
    if (first) {
        ComputeDurationFactors(calc, beam);
        ComputeServiceFactor(calc, input);
        ComputeTemperatureFactor(calc, input);
        ComputeImpregnationFactor(calc, input);
        ComputeResponsibilityFactor(calc, input);
    }
    ComputeHeightFactor(calc, calc.HeightMm);
    ComputeDesignStrengths(calc, input);
    if (first) {
        ResetSpanResults(calc, beam);
        ComputeForceMaxima(calc, beam);
    }
    ComputeCapacities(calc);
    if (first) {
        StoreStabilityInputs(calc, input);
    }
    CheckStability(calc, beam);
    if (first) {
        ComputeDeflectionLimits(calc, beam, input);
        ComputeDeflectionNumerators(beam, calc, DeflectionLoadsOf(input), run.Messages);
    }
    ScaleDeflections(calc, beam);
    ApplyShearCorrection(calc, beam);
    CheckHoles(beam, calc);
    calc.FirstPass = false;

    if (FailsStrength(calc, beam)) {
        return SelectionFailsStrength;
    }
    if (FailsStabilityOrDeflection(calc)) {
        return SelectionFailsStabilityOrDeflection;
    }
    return SelectionPasses;
}

SelectionChartData RunSelection(const TSelectionRun& run, const SectionCatalogue& catalogue) {
    SelectionChartData chart;
    chart.Widths = catalogue.Widths;
    chart.Heights = catalogue.Heights;
    chart.Codes.assign(catalogue.Widths.size(),
                       std::vector<int32_t>(catalogue.Heights.size(), SelectionNotAvailable));
    if (!CanSelect(run)) {
        return chart;
    }
    run.Calc.FirstPass = true;
    for (size_t row = 0; row < catalogue.Widths.size(); ++row) {
        for (size_t column = 0; column < catalogue.Heights.size(); ++column) {
            const bool available = row < catalogue.Marks.size() &&
                                   column < catalogue.Marks[row].size() &&
                                   catalogue.Marks[row][column] == SizeMark::Available;
            if (available) {
                chart.Codes[row][column] =
                    EvaluateCandidate(run, catalogue.Widths[row], catalogue.Heights[column]);
            }
        }
    }
    return chart;
}

} // namespace balka
