// The calculation's fixed order of steps and its refusals.
#include "design/DesignCalculation.h"

#include "design/DeflectionCheck.h"
#include "design/DesignChecks.h"
#include "design/DesignCoefficients.h"
#include "design/HoleChecks.h"
#include "design/ResultSummary.h"

#include <string>
#include <utility>

namespace balka {
namespace {

TDesignOutcome Refuse(std::string message) {
    TDesignOutcome outcome;
    outcome.Status = TDesignStatus::Refused;
    outcome.Message = std::move(message);
    return outcome;
}

// The dialog validates the section before it calls; a section read from elsewhere is checked
// again so a zero size can never reach the divisions below.
std::string SectionRefusal(const TDesignInput& input) {
    if (input.Width <= 0) {
        return "Значение ширины должно быть больше нуля.";
    }
    if (input.Height <= 0) {
        return "Значение высоты должно быть больше нуля.";
    }
    if (input.Count <= 0) {
        return "Значение количества досок в сечении должно быть больше нуля.";
    }
    return {};
}

} // namespace

TDesignOutcome RunDesignCalculation(TBeam& beam, TBeamCalc& calc, const TDesignInput& input) {
    if (!beam.SchemeReady || beam.SpanCount <= 0 ||
        beam.Spans.size() != static_cast<size_t>(beam.SpanCount)) {
        return Refuse("Сформируйте расчетную схему с нагрузками.");
    }
    if (beam.LoadCount == 0) {
        return Refuse("Задайте расчетную схему балки.");
    }
    if (CannotCarryLoad(beam)) {
        return Refuse("Балка с такими концевыми опорами не может нести нагрузку. "
                      "Измените опоры балки.");
    }
    if (std::string refusal = SectionRefusal(input); !refusal.empty()) {
        return Refuse(std::move(refusal));
    }
    SetSection(calc, input.Width, input.Height, input.Count);
    ComputeDurationFactors(calc, beam);
    ComputeServiceFactor(calc, input);
    ComputeTemperatureFactor(calc, input);
    ComputeHeightFactor(calc, calc.HeightMm);
    ComputeImpregnationFactor(calc, input);
    ComputeResponsibilityFactor(calc, input);
    ComputeDesignStrengths(calc, input);
    ResetSpanResults(calc, beam);
    ComputeForceMaxima(calc, beam);
    ComputeCapacities(calc);
    StoreStabilityInputs(calc, input);
    CheckStability(calc, beam);
    RunDeflectionCheck(calc, beam, input);
    if (beam.HoleCount > 0) {
        CheckHoles(beam, calc);
    }
    TDesignOutcome outcome;
    outcome.Lines = WriteResultSummary(calc, beam);
    return outcome;
}

} // namespace balka
