#include "project/HelpFile.h"

#include <system_error>

namespace balka {

std::filesystem::path HelpFilePath(const std::filesystem::path& programFolder) {
    return programFolder / "resource" / "help.html";
}

void OpenHelp(const std::filesystem::path& programFolder, const DocumentOpener& open,
              MessageSink& messages) {
    const std::filesystem::path help = HelpFilePath(programFolder);
    std::error_code error;
    if (!std::filesystem::is_regular_file(help, error)) {
        messages.ShowMessage("Файл справки \"" + help.string() +
                             "\" не найден: он должен лежать в папке resource рядом с "
                             "программой.");
        return;
    }
    if (!open(help)) {
        messages.ShowMessage("Не удалось открыть файл справки \"" + help.string() +
                             "\": не найдена программа для просмотра страниц HTML.");
    }
}

} // namespace balka
