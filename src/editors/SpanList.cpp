// The span list of the loads and holes panels; items are numbered from 1 as the spans are.
#include "editors/SpanList.h"

namespace balka {

std::vector<std::string> SpanListItems(int32_t spanCount) {
    std::vector<std::string> items;
    for (int span = 1; span <= spanCount; ++span) {
        items.push_back("Пролет " + std::to_string(span));
    }
    return items;
}

int KeptSpanIndex(int remembered, int itemCount) {
    if (itemCount == 0) {
        return -1;
    }
    return (remembered >= 0 && remembered < itemCount) ? remembered : 0;
}

} // namespace balka
