// Field names are the beam model's own, so the JSON reads like the records it comes from.
#include "project/CalculationJson.h"

#include <charconv>
#include <cmath>

namespace balka {

namespace {

nlohmann::ordered_json FloatArray(const std::vector<float>& values) {
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const float value : values) {
        array.push_back(JsonFloat(value));
    }
    return array;
}

nlohmann::ordered_json WeakJson(const TWeak& weak) {
    return {{"Diameter", weak.Diameter},
            {"OffsetX", weak.OffsetX},
            {"OffsetY", weak.OffsetY},
            {"ZoneStart", weak.ZoneStart},
            {"ZoneEnd", weak.ZoneEnd},
            {"ZoneMaxM", JsonFloat(weak.ZoneMaxM)},
            {"ZoneMaxQ", JsonFloat(weak.ZoneMaxQ)}};
}

nlohmann::ordered_json SpanJson(const TSpan& span) {
    nlohmann::ordered_json weaks = nlohmann::ordered_json::array();
    for (const TWeak& weak : span.Weaks) {
        weaks.push_back(WeakJson(weak));
    }
    return {{"Type", span.Type},
            {"Length", span.Length},
            {"SlopeLength", span.SlopeLength},
            {"RA0", JsonFloat(span.RA0)},
            {"RB0", JsonFloat(span.RB0)},
            {"MA", JsonFloat(span.MA)},
            {"MB", JsonFloat(span.MB)},
            {"XMax", span.XMax},
            {"MMax", JsonFloat(span.MMax)},
            {"SampleX", span.SampleX},
            {"QLeft", FloatArray(span.QLeft)},
            {"QRight", FloatArray(span.QRight)},
            {"QSeries", FloatArray(span.QSeries)},
            {"M", FloatArray(span.M)},
            {"Weaks", weaks}};
}

// Moment is null but at a fixed end.
nlohmann::ordered_json ReactionsJson(const TSupportReactions& reactions) {
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const TSupportReaction& support : reactions.Supports) {
        array.push_back(
            {{"X", support.X},
             {"Design", JsonFloat(support.Design)},
             {"Normative", JsonFloat(support.Normative)},
             {"LongTerm", JsonFloat(support.LongTerm)},
             {"Moment", support.Moment ? nlohmann::ordered_json(JsonFloat(*support.Moment))
                                       : nlohmann::ordered_json(nullptr)}});
    }
    return array;
}

nlohmann::ordered_json BeamJson(const TBeam& beam, RecalcOutcome outcome,
                                const TSupportReactions& reactions) {
    return {{"SpanCount", beam.SpanCount},
            {"LoadCount", beam.LoadCount},
            {"HoleCount", beam.HoleCount},
            {"SlopeAngle", JsonFloat(beam.SlopeAngle)},
            {"LeftSupport", beam.LeftSupport},
            {"RightSupport", beam.RightSupport},
            {"TotalLength", beam.TotalLength},
            {"TotalSlopeLength", beam.TotalSlopeLength},
            {"MaxAbsM", JsonFloat(beam.MaxAbsM)},
            {"MaxAbsQ", JsonFloat(beam.MaxAbsQ)},
            {"SchemeReady", beam.SchemeReady},
            {"Stopped", outcome == RecalcOutcome::StoppedUnstable},
            {"Reactions", ReactionsJson(reactions)}};
}

} // namespace

double JsonFloat(float value) {
    // JSON has no infinity or NaN; the library writes such a double as null.
    if (!std::isfinite(value)) {
        return static_cast<double>(value);
    }
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double shortest = 0;
    std::from_chars(text, written.ptr, shortest);
    return shortest;
}

nlohmann::ordered_json CalculationToJson(const CalculationOutput& output) {
    nlohmann::ordered_json spans = nlohmann::ordered_json::array();
    for (const TSpan& span : output.Beam.Spans) {
        spans.push_back(SpanJson(span));
    }
    nlohmann::ordered_json json;
    if (output.File) {
        json["file"] = *output.File;
    }
    json["beam"] = BeamJson(output.Beam, output.Outcome, output.Reactions);
    json["spans"] = spans;
    json["design"] = output.Design;
    if (output.Selection) {
        json["selection"] = *output.Selection;
    }
    json["message"] =
        output.Message ? nlohmann::ordered_json(*output.Message) : nlohmann::ordered_json(nullptr);
    return json;
}

} // namespace balka
