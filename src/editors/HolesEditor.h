// The holes editor's model: the holes table, whose data rows are rows 1..Beam.HoleCount,
// kept ordered by span number.
#pragma once

#include "model/TextTable.h"

namespace balka {

class Workspace;

class HolesEditor {
public:
    explicit HolesEditor(Workspace& workspace);

    TextTable Grid{{"№", "Пр.", "d, мм", "х, м", "у, м"}};

private:
    Workspace& workspace_;
};

} // namespace balka
