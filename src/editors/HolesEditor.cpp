#include "editors/HolesEditor.h"

#include "model/Workspace.h"

namespace balka {

HolesEditor::HolesEditor(Workspace& workspace) : workspace_(workspace) {}

} // namespace balka
