#include "project/HelpFile.h"

#include <system_error>

namespace balka {

std::filesystem::path HelpFilePath(const ProgramFolders& folders) {
    return folders.Installation / "help.html";
}

void OpenHelp(const ProgramFolders& folders, const DocumentOpener& open, MessageSink& messages) {
    const std::filesystem::path help = HelpFilePath(folders);
    std::error_code error;
    if (!std::filesystem::is_regular_file(help, error)) {
        messages.ShowMessage("Файл справки \"" + help.string() + "\" не найден.");
        return;
    }
    if (!open(help)) {
        messages.ShowMessage("Не удалось открыть файл справки \"" + help.string() +
                             "\": не найдена программа для просмотра страниц HTML.");
    }
}

} // namespace balka
