// The .lvl project type on a freedesktop desktop, for the current user only: a shared-mime-info
// package that maps *.lvl to the type, a .desktop entry that opens such a file with this program
// (the file as its first argument) and the type's 48 x 48 icon, all under the user's data
// folder. "Registered" means at least one of the three files is there; nothing else is touched.
#pragma once

#include "workspace/ProgramFolders.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace balka {

inline constexpr char LvlMimeType[] = "application/x-dravolit-lvl";
// The icon name the desktop derives from the type: its "/" becomes "-".
inline constexpr char LvlIconName[] = "application-x-dravolit-lvl";

struct TFileAssociationFiles {
    std::filesystem::path MimePackage;
    std::filesystem::path DesktopEntry;
    std::filesystem::path Icon;
};

// Where the three files lie under the data folder `dataHome`.
TFileAssociationFiles FileAssociationFiles(const std::filesystem::path& dataHome);

// What the registration points to: the program file and the icon's PNG bytes.
struct TFileTypeTarget {
    std::filesystem::path Program;
    std::string IconPng;
};

std::string MimePackageXml();
// The desktop entry opening a file with `program`; `icon` is the icon file's full path.
std::string DesktopEntryText(const std::filesystem::path& program,
                             const std::filesystem::path& icon);

bool IsFileTypeRegistered(const TFileAssociationFiles& files);

enum class RegistrationChange { Unchanged, Written };

// Writes the three files, creating their folders; a file that already holds the same bytes is
// left alone. Throws FileError with a Russian text naming what could not be written.
RegistrationChange RegisterFileType(const TFileAssociationFiles& files,
                                    const TFileTypeTarget& target);
// Removes the three files (a missing one is no error). Throws FileError naming a file that
// stays.
void UnregisterFileType(const TFileAssociationFiles& files);

// The desktop's tools that rebuild its caches from the files under `dataHome`: the MIME
// database and the desktop entries' type index. Each is the program name and its arguments.
std::vector<std::vector<std::string>>
DesktopDatabaseCommands(const std::filesystem::path& dataHome);

} // namespace balka
