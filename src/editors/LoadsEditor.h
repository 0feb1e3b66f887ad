// The loads editor's model: the loads table, whose data rows are rows 1..Beam.LoadCount.
#pragma once

#include "model/TextTable.h"

namespace balka {

class Workspace;

class LoadsEditor {
public:
    explicit LoadsEditor(Workspace& workspace);

    TextTable Grid{{"№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"}};

private:
    Workspace& workspace_;
};

} // namespace balka
