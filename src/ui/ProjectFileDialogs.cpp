// The project's file dialogs start in the folder last used and remember the last projects;
// both are kept between runs in the program's settings.
#include "ui/ProjectFileDialogs.h"

#include "project/ProjectCommands.h"
#include "project/RecentProjects.h"
#include "ui/GuardedAction.h"
#include "ui/MainWindow.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace balka {

namespace {

const QString kFilter = QStringLiteral("LVL файлы (*.lvl);;Все файлы (*)");
const QString kFolderKey = QStringLiteral("lastFolder");
const QString kRecentKey = QStringLiteral("recentProjects");

QString LastFolder() {
    const QString folder = QSettings().value(kFolderKey).toString();
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

std::vector<std::string> RecentProjects() {
    std::vector<std::string> recent;
    for (const QString& path : QSettings().value(kRecentKey).toStringList()) {
        recent.push_back(path.toStdString());
    }
    return recent;
}

// A project opened or saved under `path`: its folder is the next dialogs' start, and it heads
// the list of last projects.
void Remember(const std::string& path) {
    QStringList recent;
    for (const std::string& item : AddRecentProject(RecentProjects(), path)) {
        recent << QString::fromStdString(item);
    }
    QSettings settings;
    settings.setValue(kRecentKey, recent);
    settings.setValue(kFolderKey, QString::fromStdString(FolderOfPath(path)));
}

// The save dialog proposes the project's name, or "Расчет балки.lvl" for a new one; empty when
// cancelled.
std::string AskSavePath(MainWindow& window, const Workspace& workspace) {
    QFileDialog dialog(&window, QStringLiteral("Сохранить как"), LastFolder(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lvl"));
    const std::string& name = workspace.Beam.FileName;
    dialog.selectFile(name.empty() ? QStringLiteral("Расчет балки.lvl")
                                   : QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

void AskAndSaveAs(MainWindow& window, Workspace& workspace) {
    const std::string path = AskSavePath(window, workspace);
    if (!path.empty()) {
        SaveProjectAs(workspace, path);
        Remember(path);
    }
}

UnsavedAnswer AskUnsaved(MainWindow& window, const std::string& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Драволит-Балка"),
                    QString::fromStdString(question), QMessageBox::NoButton, &window);
    QPushButton* save = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return UnsavedAnswer::Save;
    }
    return box.clickedButton() == discard ? UnsavedAnswer::DontSave : UnsavedAnswer::Cancel;
}

// The caller has asked about unsaved changes already.
void Open(Workspace& workspace, const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    RunGuarded(workspace.Messages, [&] {
        if (OpenProject(workspace, path.toStdString()) == OpenResult::Opened) {
            Remember(path.toStdString());
        }
    });
}

void ShowRecentProjects(MainWindow& window, Workspace& workspace) {
    QMenu* menu = window.RecentMenu();
    menu->clear();
    for (const std::string& path : RecentProjects()) {
        const QString shown = QString::fromStdString(path);
        QObject::connect(menu->addAction(shown), &QAction::triggered, &window,
                         [&window, &workspace, shown] {
                             if (window.MayDropProject()) {
                                 Open(workspace, shown);
                             }
                         });
    }
    menu->setEnabled(!menu->isEmpty());
}

} // namespace

void ConnectProjectFileCommands(MainWindow& window, Workspace& workspace) {
    window.MayDropProject = [&window, &workspace] {
        bool may = false;
        RunGuarded(workspace.Messages, [&] {
            may = MayDropProject(workspace, UnsavedQuestion{[&window](const std::string& question) {
                                                                return AskUnsaved(window, question);
                                                            },
                                                            [&window, &workspace] {
                                                                const std::string path =
                                                                    AskSavePath(window, workspace);
                                                                if (!path.empty()) {
                                                                    Remember(path);
                                                                }
                                                                return path;
                                                            }});
        });
        return may;
    };
    QObject::connect(window.CommandAction(Command::Open), &QAction::triggered, &window,
                     [&window, &workspace] {
                         if (!window.MayDropProject()) {
                             return;
                         }
                         const QString path = QFileDialog::getOpenFileName(
                             &window, QStringLiteral("Загрузить"), LastFolder(), kFilter);
                         Open(workspace, path);
                     });
    QObject::connect(window.CommandAction(Command::Save), &QAction::triggered, &window,
                     [&window, &workspace] {
                         RunGuarded(workspace.Messages, [&] {
                             if (SaveProject(workspace) == SaveResult::NameNeeded) {
                                 AskAndSaveAs(window, workspace);
                             } else {
                                 Remember(workspace.Beam.FilePath);
                             }
                         });
                     });
    QObject::connect(window.CommandAction(Command::SaveAs), &QAction::triggered, &window,
                     [&window, &workspace] {
                         RunGuarded(workspace.Messages, [&] { AskAndSaveAs(window, workspace); });
                     });
    QObject::connect(window.RecentMenu(), &QMenu::aboutToShow, &window,
                     [&window, &workspace] { ShowRecentProjects(window, workspace); });
    ShowRecentProjects(window, workspace);
}

} // namespace balka
