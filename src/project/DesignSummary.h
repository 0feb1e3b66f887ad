// The command line's text of a section design and of a section selection. The design is its
// verdict lines as the design dialog shows them, one per line; the selection is a grid of the
// selection codes, one row per catalogue width and one column per height (mm), with a legend.
#pragma once

#include "design/DesignRecords.h"
#include "graphics/SelectionChart.h"

#include <string>
#include <vector>

namespace balka {

// Lines ended by '\n'.
std::string DesignSummary(const std::vector<TResultLine>& lines);
std::string SelectionSummary(const SelectionChartData& chart);

} // namespace balka
