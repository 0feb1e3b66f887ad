#include "workspace/ProgramFolders.h"

#include "model/FileAccess.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace balka {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A relative value of a variable is invalid and is ignored, as the desktop does.
std::optional<std::filesystem::path> XdgFolder(const std::string& variable, const std::string& home,
                                               const std::filesystem::path& belowHome) {
    const std::filesystem::path value = variable;
    if (value.is_absolute()) {
        return value;
    }
    const std::filesystem::path homeFolder = home;
    if (homeFolder.is_absolute()) {
        return homeFolder / belowHome;
    }
    return std::nullopt;
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The default is written beside the file under a name of this process and then linked into
// place, which fails rather than replace a file another start copied or the user saved
// meanwhile. Returns false when the file is still missing.
bool CopyDefault(const std::filesystem::path& from, const std::filesystem::path& to) {
    const std::optional<std::string> bytes = ReadWholeFile(from);
    if (!bytes) {
        return false;
    }
    std::filesystem::path sibling = to;
    sibling += ".default" + std::to_string(::getpid());
    std::error_code error;
    try {
        WriteFileReplacing(sibling, *bytes);
    } catch (const FileError&) {
        return Exists(to);
    }
    std::filesystem::create_hard_link(sibling, to, error);
    std::filesystem::remove(sibling, error);
    return Exists(to);
}

} // namespace

TUserEnvironment ProcessUserEnvironment() {
    const std::string temp = Variable("TMPDIR");
    return {Variable("XDG_DATA_HOME"), Variable("HOME"), Variable("XDG_CACHE_HOME"),
            temp.empty() ? "/tmp" : temp, static_cast<unsigned>(::getuid())};
}

std::optional<std::filesystem::path> UserDataHome(const TUserEnvironment& environment) {
    return XdgFolder(environment.XdgDataHome, environment.Home,
                     std::filesystem::path(".local") / "share");
}

std::optional<std::filesystem::path> UserCacheHome(const TUserEnvironment& environment) {
    return XdgFolder(environment.XdgCacheHome, environment.Home, ".cache");
}

ProgramFolders BuildTreeFolders(const std::filesystem::path& executableFolder) {
    const std::filesystem::path resource = executableFolder / "resource";
    return {resource, resource, executableFolder / "temp", executableFolder};
}

ProgramFolders ChooseProgramFolders(const std::filesystem::path& executableFolder,
                                    const TUserEnvironment& environment) {
    std::error_code error;
    if (std::filesystem::is_directory(executableFolder / "resource", error)) {
        return BuildTreeFolders(executableFolder);
    }
    const std::filesystem::path prefix = executableFolder.parent_path();
    ProgramFolders folders;
    folders.Installation = prefix / "share" / ProgramDirectoryName;
    folders.Libraries = prefix / "lib" / ProgramDirectoryName;
    const std::optional<std::filesystem::path> dataHome = UserDataHome(environment);
    folders.ReferenceFiles = dataHome ? *dataHome / ProgramDirectoryName : folders.Installation;
    const std::optional<std::filesystem::path> cacheHome = UserCacheHome(environment);
    folders.Reports =
        cacheHome
            ? *cacheHome / ProgramDirectoryName
            : std::filesystem::path(environment.TempFolder) /
                  (std::string(ProgramDirectoryName) + "-" + std::to_string(environment.UserId));
    return folders;
}

void ProvideReferenceFiles(ProgramFolders& folders) {
    if (folders.ReferenceFiles == folders.Installation) {
        return;
    }
    bool provided = true;
    for (const char* name : {MaterialFileName, CatalogueFileName}) {
        const std::filesystem::path file = folders.ReferenceFiles / name;
        if (Exists(file)) {
            continue;
        }
        std::error_code error;
        std::filesystem::create_directories(folders.ReferenceFiles, error);
        // Without its default there is nothing better to read than the user's folder.
        const std::filesystem::path installed = folders.Installation / name;
        provided = (CopyDefault(installed, file) || !Exists(installed)) && provided;
    }
    if (!provided) {
        folders.ReferenceFiles = folders.Installation;
    }
}

std::filesystem::path RunningExecutable() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

} // namespace balka
