#include "editors/GeometryEditor.h"

#include "model/Workspace.h"

namespace balka {

GeometryEditor::GeometryEditor(Workspace& workspace) : workspace_(workspace) {}

} // namespace balka
