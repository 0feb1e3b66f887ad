#include "project/FileAssociation.h"

#include "model/FileAccess.h"
#include "project/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace balka {
namespace {

namespace fs = std::filesystem;

struct DataHomeCase {
    const char* Name;
    TUserEnvironment Environment;
    std::optional<fs::path> Expected;
};

void PrintTo(const DataHomeCase& c, std::ostream* out) {
    *out << c.Name;
}

class UserDataHomeTest : public ::testing::TestWithParam<DataHomeCase> {};

TEST_P(UserDataHomeTest, FollowsTheDesktopsRules) {
    EXPECT_EQ(UserDataHome(GetParam().Environment), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserDataHomeTest,
    ::testing::Values(
        DataHomeCase{"XdgDataHomeWins", {"/data", "/home/u", "", "/tmp", 0}, fs::path("/data")},
        DataHomeCase{"UnsetXdgFallsBackToHome",
                     {"", "/home/u", "", "/tmp", 0},
                     fs::path("/home/u/.local/share")},
        DataHomeCase{"RelativeXdgIsIgnored",
                     {"data", "/home/u", "", "/tmp", 0},
                     fs::path("/home/u/.local/share")},
        DataHomeCase{"NoAbsolutePathGivesNothing", {"data", "home", "", "/tmp", 0}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FileAssociationTest, FilesLieInTheDesktopsFolders) {
    const TFileAssociationFiles files = FileAssociationFiles("/d");
    EXPECT_EQ(files.MimePackage, fs::path("/d/mime/packages/dravolit-balka.xml"));
    EXPECT_EQ(files.DesktopEntry, fs::path("/d/applications/dravolit-balka.desktop"));
    EXPECT_EQ(files.Icon,
              fs::path("/d/icons/hicolor/48x48/mimetypes/application-x-dravolit-lvl.png"));
}

TEST(FileAssociationTest, MimePackageMapsTheExtensionToTheTypeAndIcon) {
    const std::string xml = MimePackageXml();
    EXPECT_NE(xml.find("<mime-type type=\"application/x-dravolit-lvl\">"), std::string::npos);
    EXPECT_NE(xml.find("<glob pattern=\"*.lvl\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<icon name=\"application-x-dravolit-lvl\"/>"), std::string::npos);
}

TEST(FileAssociationTest, DesktopEntryOpensTheFileWithTheProgram) {
    const std::string entry = DesktopEntryText("/opt/balka/dravolit-balka", "/d/icon.png");
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(entry.find("\nExec=\"/opt/balka/dravolit-balka\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=/d/icon.png\n"), std::string::npos);
    EXPECT_NE(entry.find("\nMimeType=application/x-dravolit-lvl;\n"), std::string::npos);
    EXPECT_NE(entry.find("\nName=Драволит-Балка\n"), std::string::npos);
}

TEST(FileAssociationTest, ProgramPathWithReservedCharactersStaysOneArgument) {
    // Inside the quotes " ` $ \ take a backslash, % is doubled; the value escape then doubles
    // every backslash once more.
    const std::string entry =
        DesktopEntryText("/home/u/Мои программы/a\"b$c%d\\e/balka", "/d/icon.png");
    EXPECT_NE(entry.find("\nExec=\"/home/u/Мои программы/a\\\\\"b\\\\$c%%d\\\\\\\\e/balka\" %f\n"),
              std::string::npos)
        << entry;
}

class RegistrationFilesTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    TFileAssociationFiles files_ = FileAssociationFiles(folder_.Path() / "share");
    TFileTypeTarget target_{"/opt/balka/dravolit-balka", std::string("\x89PNG icon", 9)};
};

TEST_F(RegistrationFilesTest, RegisterWritesTheThreeFilesAndUnregisterRemovesThem) {
    EXPECT_FALSE(IsFileTypeRegistered(files_));
    EXPECT_EQ(RegisterFileType(files_, target_), RegistrationChange::Written);
    EXPECT_TRUE(IsFileTypeRegistered(files_));
    EXPECT_EQ(ReadWholeFile(files_.MimePackage), MimePackageXml());
    EXPECT_EQ(ReadWholeFile(files_.Icon), target_.IconPng);
    EXPECT_EQ(ReadWholeFile(files_.DesktopEntry), DesktopEntryText(target_.Program, files_.Icon));

    fs::path neighbour = files_.DesktopEntry.parent_path() / "other.desktop";
    WriteFileReplacing(neighbour, "[Desktop Entry]\n");
    UnregisterFileType(files_);
    EXPECT_FALSE(IsFileTypeRegistered(files_));
    EXPECT_TRUE(fs::exists(neighbour));
    EXPECT_TRUE(fs::exists(files_.MimePackage.parent_path()));
}

TEST_F(RegistrationFilesTest, SameTargetAgainChangesNothingAMovedProgramRewritesTheEntry) {
    RegisterFileType(files_, target_);
    EXPECT_EQ(RegisterFileType(files_, target_), RegistrationChange::Unchanged);
    target_.Program = "/home/u/balka/dravolit-balka";
    EXPECT_EQ(RegisterFileType(files_, target_), RegistrationChange::Written);
    EXPECT_NE(ReadWholeFile(files_.DesktopEntry)->find("Exec=\"/home/u/balka/dravolit-balka\""),
              std::string::npos);
}

TEST_F(RegistrationFilesTest, AnyOneFileCountsAsRegistered) {
    fs::create_directories(files_.Icon.parent_path());
    WriteFileReplacing(files_.Icon, "x");
    EXPECT_TRUE(IsFileTypeRegistered(files_));
}

TEST_F(RegistrationFilesTest, UnregisterWithNothingRegisteredIsNoError) {
    EXPECT_NO_THROW(UnregisterFileType(files_));
}

TEST_F(RegistrationFilesTest, FolderThatCannotBeMadeIsAFileErrorNamingIt) {
    fs::create_directories(folder_.Path() / "share");
    WriteFileReplacing(folder_.Path() / "share" / "mime", "a file where the folder should be");
    try {
        RegisterFileType(files_, target_);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Не удалось создать папку \"" +
                                                 files_.MimePackage.parent_path().string() + "\".");
    }
}

TEST(FileAssociationTest, CachesAreRebuiltForTheUsersFoldersOnly) {
    const auto commands = DesktopDatabaseCommands("/d");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], (std::vector<std::string>{"update-mime-database", "/d/mime"}));
    EXPECT_EQ(commands[1],
              (std::vector<std::string>{"update-desktop-database", "/d/applications"}));
}

} // namespace
} // namespace balka
