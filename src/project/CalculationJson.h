// The beam and its spans as JSON for the command line: every field as the recalculation left
// it, lengths and positions whole millimetres, forces kg, moments kg*m, the angle in degrees.
// Each 32-bit float is written by its shortest decimal form, which reads back to the same float.
#pragma once

#include "model/Beam.h"
#include "statics/Recalculate.h"
#include "statics/SupportReactions.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace balka {

struct CalculationOutput {
    const TBeam& Beam;
    RecalcOutcome Outcome = RecalcOutcome::Finished;
    // Why the calculation has no result, or what the program said while loading; null if none.
    std::optional<std::string> Message;
    // The section design (DesignToJson), null when none ran.
    nlohmann::ordered_json Design = nullptr;
    // The section selection (SelectionToJson), written only when one was asked for.
    std::optional<nlohmann::ordered_json> Selection;
    // The beam's support reactions (ComputeSupportReactions), left to right.
    TSupportReactions Reactions;
    // The project file as the caller named it; written only when given.
    std::optional<std::string> File;
};

// {["file": name,] "beam": {..., "Reactions": [{"X", "Design", "Normative", "LongTerm",
//  "Moment"}, ...]}, "spans": [...], "design": {...} or null, ["selection": {...},]
//  "message": text or null}, keys in that order.
nlohmann::ordered_json CalculationToJson(const CalculationOutput& output);

// The shortest decimal that reads back to `value` as a float, held as a double.
double JsonFloat(float value);

} // namespace balka
