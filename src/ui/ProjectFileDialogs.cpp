#include "ui/ProjectFileDialogs.h"

#include "workspace/Workspace.h"
#include "project/ProjectCommands.h"
#include "ui/GuardedAction.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace balka {

namespace {

const QString kFilter = QStringLiteral("LVL файлы (*.lvl);;Все файлы (*)");

// The save dialog proposes the same name every time and asks before overwriting.
void AskAndSaveAs(MainWindow& window, Workspace& workspace) {
    QFileDialog dialog(&window, QStringLiteral("Сохранить как"), QDir::homePath(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lvl"));
    dialog.selectFile(QStringLiteral("Расчет балки.lvl"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    SaveProjectAs(workspace, dialog.selectedFiles().constFirst().toStdString());
}

} // namespace

void ConnectProjectFileCommands(MainWindow& window, Workspace& workspace) {
    QObject::connect(
        window.CommandAction(Command::Open), &QAction::triggered, &window, [&window, &workspace] {
            const QString path = QFileDialog::getOpenFileName(&window, QStringLiteral("Загрузить"),
                                                              QDir::homePath(), kFilter);
            if (!path.isEmpty()) {
                RunGuarded(workspace.Messages, [&] { OpenProject(workspace, path.toStdString()); });
            }
        });
    QObject::connect(window.CommandAction(Command::Save), &QAction::triggered, &window,
                     [&window, &workspace] {
                         RunGuarded(workspace.Messages, [&] {
                             if (SaveProject(workspace) == SaveResult::NameNeeded) {
                                 AskAndSaveAs(window, workspace);
                             }
                         });
                     });
    QObject::connect(window.CommandAction(Command::SaveAs), &QAction::triggered, &window,
                     [&window, &workspace] {
                         RunGuarded(workspace.Messages, [&] { AskAndSaveAs(window, workspace); });
                     });
}

} // namespace balka
