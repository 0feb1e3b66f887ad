// The key order follows the records' declarations, so the JSON reads like the records.
#include "project/DesignJson.h"

#include "project/CalculationJson.h"

#include <algorithm>

namespace balka {

namespace {

nlohmann::ordered_json SpanCalcJson(const TSpanCalc& span) {
    return {{"MaxMoment", JsonFloat(span.MaxMoment)},
            {"Stress", JsonFloat(span.Stress)},
            {"Deflection", JsonFloat(span.Deflection)},
            {"StressLimit", JsonFloat(span.StressLimit)},
            {"DeflectionLimit", JsonFloat(span.DeflectionLimit)},
            {"BendingDeflection", JsonFloat(span.BendingDeflection)},
            {"BreakPoints", span.BreakPoints},
            {"StartSlope", JsonFloat(span.StartSlope)},
            {"MaxDeflectionX", JsonFloat(span.MaxDeflectionX)},
            {"DeflectionNumerator", JsonFloat(span.DeflectionNumerator)},
            {"PhiM", JsonFloat(span.PhiM)},
            {"PhiMTotal", JsonFloat(span.PhiMTotal)},
            {"Kpm", JsonFloat(span.Kpm)},
            {"DeflectionDivisor", JsonFloat(span.DeflectionDivisor)}};
}

nlohmann::ordered_json CheckedWeakJson(int32_t spanNumber, const TWeak& weak) {
    return {{"Span", spanNumber},
            {"Diameter", weak.Diameter},
            {"OffsetX", weak.OffsetX},
            {"OffsetY", weak.OffsetY},
            {"ZoneStart", weak.ZoneStart},
            {"ZoneEnd", weak.ZoneEnd},
            {"ZoneMaxM", JsonFloat(weak.ZoneMaxM)},
            {"ZoneMaxQ", JsonFloat(weak.ZoneMaxQ)},
            {"NetInertia", JsonFloat(weak.NetInertia)},
            {"NetModulus", JsonFloat(weak.NetModulus)},
            {"NetStaticMoment", JsonFloat(weak.NetStaticMoment)},
            {"MomentCapacity", JsonFloat(weak.MomentCapacity)},
            {"ShearCapacity", JsonFloat(weak.ShearCapacity)},
            {"TooWeak", weak.TooWeak},
            {"Outside", weak.Outside}};
}

const char* StyleName(TResultStyle style) {
    switch (style) {
    case TResultStyle::Failed:
        return "failed";
    case TResultStyle::SpanHeading:
        return "span";
    case TResultStyle::HoleHeading:
        return "hole";
    case TResultStyle::Normal:
        break;
    }
    return "normal";
}

} // namespace

nlohmann::ordered_json DesignToJson(const TBeamCalc& calc, const TBeam& beam,
                                    const std::vector<TResultLine>& lines) {
    nlohmann::ordered_json json = {
        {"MaxMoment", JsonFloat(calc.MaxMoment)},
        {"MaxShear", JsonFloat(calc.MaxShear)},
        {"MomentCapacity", JsonFloat(calc.MomentCapacity)},
        {"ShearCapacity", JsonFloat(calc.ShearCapacity)},
        {"WidthMm", calc.WidthMm},
        {"HeightMm", calc.HeightMm},
        {"WidthCm", JsonFloat(calc.WidthCm)},
        {"HeightCm", JsonFloat(calc.HeightCm)},
        {"ElementCount", calc.ElementCount},
        {"SectionModulus", JsonFloat(calc.SectionModulus)},
        {"Inertia", JsonFloat(calc.Inertia)},
        {"StaticMoment", JsonFloat(calc.StaticMoment)},
        {"ServiceFactor", JsonFloat(calc.ServiceFactor)},
        {"TemperatureFactor", JsonFloat(calc.TemperatureFactor)},
        {"HeightFactor", JsonFloat(calc.HeightFactor)},
        {"ImpregnationFactor", JsonFloat(calc.ImpregnationFactor)},
        {"DurationFactorStrength", JsonFloat(calc.DurationFactorStrength)},
        {"DurationFactorStiffness", JsonFloat(calc.DurationFactorStiffness)},
        {"ResponsibilityFactor", JsonFloat(calc.ResponsibilityFactor)},
        {"BendingStrength", JsonFloat(calc.BendingStrength)},
        {"ShearStrength", JsonFloat(calc.ShearStrength)},
        {"Modulus", JsonFloat(calc.Modulus)},
        {"BendingStrengthNorm", JsonFloat(calc.BendingStrengthNorm)},
        {"ShearStrengthNorm", JsonFloat(calc.ShearStrengthNorm)},
        {"ModulusNorm", JsonFloat(calc.ModulusNorm)},
        {"FirstPass", calc.FirstPass},
        {"Lp", JsonFloat(calc.Lp)},
        {"MomentLp", JsonFloat(calc.MomentLp)},
        {"Kf", JsonFloat(calc.Kf)},
        {"RestraintCount", calc.RestraintCount},
        {"LongTermShareDesign", JsonFloat(calc.LongTermShareDesign)},
        {"LongTermShareNormative", JsonFloat(calc.LongTermShareNormative)},
        {"AllChecksPassed", calc.AllChecksPassed}};

    nlohmann::ordered_json spans = nlohmann::ordered_json::array();
    for (const TSpanCalc& span : calc.SpanCalcs) {
        spans.push_back(SpanCalcJson(span));
    }
    json["SpanCalcs"] = spans;

    nlohmann::ordered_json weaks = nlohmann::ordered_json::array();
    for (size_t i = 0; i < beam.Spans.size(); ++i) {
        for (const TWeak& weak : beam.Spans[i].Weaks) {
            weaks.push_back(CheckedWeakJson(static_cast<int32_t>(i) + 1, weak));
        }
    }
    json["Weaks"] = weaks;

    nlohmann::ordered_json shown = nlohmann::ordered_json::array();
    for (const TResultLine& line : lines) {
        shown.push_back({{"Text", line.Text}, {"Style", StyleName(line.Style)}});
    }
    json["Lines"] = shown;
    return json;
}

nlohmann::ordered_json SelectionToJson(const SelectionChartData& chart) {
    // A full grid: the codes the selection left out are 0, as the chart counts them.
    nlohmann::ordered_json codes = nlohmann::ordered_json::array();
    for (size_t row = 0; row < chart.Widths.size(); ++row) {
        std::vector<int32_t> rowCodes(chart.Heights.size(), SelectionNotAvailable);
        if (row < chart.Codes.size()) {
            const std::vector<int32_t>& given = chart.Codes[row];
            std::copy_n(given.begin(), std::min(given.size(), rowCodes.size()), rowCodes.begin());
        }
        codes.push_back(rowCodes);
    }
    return {{"Widths", chart.Widths}, {"Heights", chart.Heights}, {"Codes", codes}};
}

} // namespace balka
