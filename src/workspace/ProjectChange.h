// The name of a change to the project, told by comparing the project before and after one user
// action, so that "Отменить"/"Повторить" can say what they take back without every window
// naming its commands. The spans come first: deleting a span also deletes its loads.
#pragma once

#include "workspace/ProjectData.h"

#include <string>

namespace balka {

struct ProjectChange {
    std::string Action; // "удаление пролета", "изменение нагрузки", ...
    // Set when only one text box of the design dialog changed: its name, so the letters typed
    // into it merge into one step.
    std::string MergeKey;
};

ProjectChange DescribeChange(const ProjectData& before, const ProjectData& after);

} // namespace balka
