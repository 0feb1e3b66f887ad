// The project as the file keeps it, taken from the window models and put back into them. Saving
// writes a snapshot, opening a file and the undo history put one back, so all three agree.
#pragma once

#include "editors/WindowModels.h"
#include "workspace/ProjectData.h"

namespace balka {

// Taken from the editors, the beam and the design settings. The angle is the beam's, written
// by FormatCompact; the supports are the beam's codes.
ProjectData CollectProject(const WindowModels& models);

// Fills the editors (through their own clear operations) and the design settings with `data`,
// as opening its file does; the caller recalculates.
void ApplyProject(WindowModels& models, const ProjectData& data);

} // namespace balka
