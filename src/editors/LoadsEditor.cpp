#include "editors/LoadsEditor.h"

#include "model/Workspace.h"

namespace balka {

LoadsEditor::LoadsEditor(Workspace& workspace) : workspace_(workspace) {}

} // namespace balka
