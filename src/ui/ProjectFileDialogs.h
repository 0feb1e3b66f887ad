// The file dialogs of the project commands: "Загрузить", "Сохранить" and "Сохранить как" of the
// main window, asking for a path and handing it to the project commands.
#pragma once

namespace balka {

class MainWindow;
class Workspace;

void ConnectProjectFileCommands(MainWindow& window, Workspace& workspace);

} // namespace balka
