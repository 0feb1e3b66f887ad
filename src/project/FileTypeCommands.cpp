#include "project/FileTypeCommands.h"

#include "model/FileAccess.h"

#include <utility>

namespace balka {

FileTypeCommands::FileTypeCommands(TFileTypeSetup setup, MessageSink& messages, ToolRunner& tools)
    : setup_(std::move(setup)), messages_(messages), tools_(tools) {}

void FileTypeCommands::RegisterCommand() {
    try {
        RegisterFileType(FileAssociationFiles(RequireDataHome()), setup_.Target);
    } catch (const FileError& error) {
        messages_.ShowMessage(error.what());
        return;
    }
    UpdateDesktopDatabases();
    messages_.ShowInformation("Установлена ассоциативная связь программы ''Драволит-Балка'' с "
                              "файлами типа *.lvl. Для отображения зарегистрированной пиктограммы "
                              "этого типа файлов возможно потребуется перезагрузка.");
}

void FileTypeCommands::UnregisterCommand() {
    try {
        UnregisterFileType(FileAssociationFiles(RequireDataHome()));
    } catch (const FileError& error) {
        messages_.ShowMessage(error.what());
        return;
    }
    UpdateDesktopDatabases();
    messages_.ShowInformation(
        "Все записи о файлах типа *.lvl, созданные при регистрации в настройках рабочего "
        "стола (тип файлов, ярлык программы и пиктограмма), удалены.");
}

void FileTypeCommands::RefreshAtStart() {
    if (!IsRegistered()) {
        return;
    }
    try {
        // Rebuilding the caches at every start would slow it for nothing when no file changed.
        if (RegisterFileType(FileAssociationFiles(*setup_.DataHome), setup_.Target) ==
            RegistrationChange::Written) {
            UpdateDesktopDatabases();
        }
    } catch (const FileError& error) {
        messages_.ShowMessage(error.what());
    }
}

bool FileTypeCommands::IsRegistered() const {
    return setup_.DataHome && IsFileTypeRegistered(FileAssociationFiles(*setup_.DataHome));
}

const std::filesystem::path& FileTypeCommands::RequireDataHome() const {
    if (!setup_.DataHome) {
        throw FileError("Не удалось определить папку данных пользователя: переменные окружения "
                        "HOME и XDG_DATA_HOME не задают полный путь к папке.");
    }
    return *setup_.DataHome;
}

void FileTypeCommands::UpdateDesktopDatabases() {
    for (const std::vector<std::string>& command : DesktopDatabaseCommands(*setup_.DataHome)) {
        tools_.Run(command);
    }
}

} // namespace balka
