// The span list of the loads and holes panels: one item a span, "Пролет 1", "Пролет 2", ...,
// and which item stays chosen when the list is rebuilt after the spans changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace balka {

std::vector<std::string> SpanListItems(int32_t spanCount);

// The remembered item while it still exists, else the first; -1 for an empty list.
int KeptSpanIndex(int remembered, int itemCount);

} // namespace balka
