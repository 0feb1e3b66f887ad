#include "project/FileAssociation.h"

#include "model/FileAccess.h"

#include <system_error>

namespace balka {
namespace {

// The value escapes every string of a desktop entry allows: a backslash and the line breaks.
std::string EscapeEntryValue(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// The program path as one quoted argument of Exec: inside the quotes ", `, $ and \ are
// backslash-escaped, and a literal % is doubled so it is not read as a field code.
std::string QuotedExecArgument(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        } else if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    return quoted + "\"";
}

bool HoldsBytes(const std::filesystem::path& path, const std::string& bytes) {
    const std::optional<std::string> present = ReadWholeFile(path);
    return present && *present == bytes;
}

void EnsureFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw FileError("Не удалось создать папку \"" + folder.string() + "\".");
    }
}

} // namespace

TFileAssociationFiles FileAssociationFiles(const std::filesystem::path& dataHome) {
    return {dataHome / "mime" / "packages" / "dravolit-balka.xml",
            dataHome / "applications" / "dravolit-balka.desktop",
            dataHome / "icons" / "hicolor" / "48x48" / "mimetypes" /
                (std::string(LvlIconName) + ".png")};
}

std::string MimePackageXml() {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/"
                       "shared-mime-info\">\n"
                       "  <mime-type type=\"") +
           LvlMimeType +
           "\">\n"
           "    <comment>Dravolit beam project</comment>\n"
           "    <comment xml:lang=\"ru\">Расчет балки Драволит-Балка</comment>\n"
           "    <icon name=\"" +
           LvlIconName +
           "\"/>\n"
           "    <glob pattern=\"*.lvl\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string DesktopEntryText(const std::filesystem::path& program,
                             const std::filesystem::path& icon) {
    return std::string("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Драволит-Балка\n"
                       "Comment=Расчет многопролетных балок из материала Dravolit\n"
                       "Exec=") +
           EscapeEntryValue(QuotedExecArgument(program.string())) + " %f\n" +
           "Icon=" + EscapeEntryValue(icon.string()) + "\n" + "MimeType=" + LvlMimeType +
           ";\n"
           "Terminal=false\n"
           "Categories=Science;Engineering;\n";
}

bool IsFileTypeRegistered(const TFileAssociationFiles& files) {
    std::error_code error;
    return std::filesystem::exists(files.MimePackage, error) ||
           std::filesystem::exists(files.DesktopEntry, error) ||
           std::filesystem::exists(files.Icon, error);
}

RegistrationChange RegisterFileType(const TFileAssociationFiles& files,
                                    const TFileTypeTarget& target) {
    // The type first, then its icon, then the program that opens it.
    const std::pair<const std::filesystem::path*, std::string> contents[] = {
        {&files.MimePackage, MimePackageXml()},
        {&files.Icon, target.IconPng},
        {&files.DesktopEntry, DesktopEntryText(target.Program, files.Icon)},
    };
    RegistrationChange change = RegistrationChange::Unchanged;
    for (const auto& [path, bytes] : contents) {
        if (HoldsBytes(*path, bytes)) {
            continue;
        }
        EnsureFolder(path->parent_path());
        WriteFileReplacing(*path, bytes);
        change = RegistrationChange::Written;
    }
    return change;
}

void UnregisterFileType(const TFileAssociationFiles& files) {
    for (const std::filesystem::path* path :
         {&files.DesktopEntry, &files.Icon, &files.MimePackage}) {
        std::error_code error;
        std::filesystem::remove(*path, error);
        if (error) {
            throw FileError("Не удалось удалить файл \"" + path->string() + "\".");
        }
    }
}

std::vector<std::vector<std::string>>
DesktopDatabaseCommands(const std::filesystem::path& dataHome) {
    return {{"update-mime-database", (dataHome / "mime").string()},
            {"update-desktop-database", (dataHome / "applications").string()}};
}

} // namespace balka
