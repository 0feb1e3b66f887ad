// The editors' empty tables. The headers are the editors' captions; the project file never
// stores them.
#include "project/ProjectData.h"

namespace balka {

TextTable EmptySpansTable() {
    return TextTable({"№", "L, м"});
}

TextTable EmptyLoadsTable() {
    return TextTable({"№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"});
}

// "х" and "у" are Cyrillic letters here, as the holes editor shows them.
TextTable EmptyHolesTable() {
    return TextTable({"№", "Пр.", "d, мм", "х, м", "у, м"});
}

} // namespace balka
