// The section design and the section selection as JSON for the command line. Field names are
// the design records' own; every 32-bit float is written by JsonFloat, so it reads back to the
// same float. Units as in the records: sizes mm (cm where named Cm), moments kg*m, forces kg,
// strengths MPa, deflections mm.
#pragma once

#include "design/DesignRecords.h"
#include "graphics/SelectionChart.h"
#include "model/Beam.h"

#include <nlohmann/json.hpp>

#include <vector>

namespace balka {

// Every TBeamCalc field but Report and SpanCalcs, then "SpanCalcs" (every TSpanCalc field),
// "Weaks" (each hole's "Span", counted from 1, and every TWeak field, spans in order) and
// "Lines" ({"Text", "Style": "normal" | "failed" | "span" | "hole"}).
nlohmann::ordered_json DesignToJson(const TBeamCalc& calc, const TBeam& beam,
                                    const std::vector<TResultLine>& lines);

// {"Widths": [...], "Heights": [...], "Codes": [[...], ...]}, one row of codes per width
// and one code per height in every row, a code the selection left out written 0.
nlohmann::ordered_json SelectionToJson(const SelectionChartData& chart);

} // namespace balka
