// The geometry editor's model: the spans table, the slope-angle text and the two end-support
// choices. The spans table's data rows are rows 1..Beam.SpanCount.
#pragma once

#include "model/TextTable.h"

#include <string>

namespace balka {

class Workspace;

class GeometryEditor {
public:
    explicit GeometryEditor(Workspace& workspace);

    TextTable Grid{{"№", "L, м"}};
    std::string AngleText = "0";
    // Index into "Шарнир", "Заделка", "Консоль"; -1 when nothing is chosen.
    int LeftSupportIndex = 0;
    int RightSupportIndex = 0;

private:
    Workspace& workspace_;
};

} // namespace balka
