// Where the program finds its own files and where it may write. Run from its build tree (a
// "resource" folder beside the executable) it keeps the reference files in that folder and
// writes its report into "temp" beside it, as it always has. Installed (no "resource" beside
// the executable) it writes nothing beside the executable: the installation's read-only files
// lie in share/dravolit-balka of its prefix, the reference files the user edits in
// $XDG_DATA_HOME/dravolit-balka (copied there from the installation on first use) and the report
// and its exports in $XDG_CACHE_HOME/dravolit-balka. ChooseProgramFolders is the one place
// that decides this.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace balka {

// The variables of the environment that place the user's folders; an unset one is empty.
struct TUserEnvironment {
    std::string XdgDataHome;
    std::string Home;
    std::string XdgCacheHome;
    // The system's folder for temporary files ($TMPDIR, else /tmp) and the user's number, for a
    // user without a home folder.
    std::string TempFolder;
    unsigned UserId = 0;
};

// The variables of this process.
TUserEnvironment ProcessUserEnvironment();
// XDG_DATA_HOME when it is an absolute path, otherwise HOME/.local/share; nothing when neither
// gives an absolute path.
std::optional<std::filesystem::path> UserDataHome(const TUserEnvironment& environment);
// XDG_CACHE_HOME when it is an absolute path, otherwise HOME/.cache; nothing as above.
std::optional<std::filesystem::path> UserCacheHome(const TUserEnvironment& environment);

struct ProgramFolders {
    // The installation's own files, only ever read: the defaults of the reference files and
    // the help.
    std::filesystem::path Installation;
    // material.txt and sortament.txt, read at start and written by their editors.
    std::filesystem::path ReferenceFiles;
    // report.html, picture.jpg and the exports of the report.
    std::filesystem::path Reports;
    // The program's desktop part, loaded when it shows windows or draws pictures.
    std::filesystem::path Libraries;
};

inline constexpr char ProgramDirectoryName[] = "dravolit-balka";
inline constexpr char MaterialFileName[] = "material.txt";
inline constexpr char CatalogueFileName[] = "sortament.txt";

// The folders of a program run from its build tree: `executableFolder` with its "resource" and
// "temp".
ProgramFolders BuildTreeFolders(const std::filesystem::path& executableFolder);

// The folders of the program whose executable lies in `executableFolder`. Only decides, touches
// nothing. Without a home folder the reference files are read from the installation (their
// editors then cannot save) and the report goes to a folder of the user's own under TempFolder.
ProgramFolders ChooseProgramFolders(const std::filesystem::path& executableFolder,
                                    const TUserEnvironment& environment);

// The first use of an installed program: each reference file missing from ReferenceFiles is
// copied there from the installation, and an existing one is never replaced. When the folder
// cannot be written the program reads the installation's files instead.
void ProvideReferenceFiles(ProgramFolders& folders);

// The running program's executable, as the system names it.
std::filesystem::path RunningExecutable();

} // namespace balka
