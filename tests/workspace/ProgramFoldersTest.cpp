#include "workspace/ProgramFolders.h"

#include "model/FileAccess.h"
#include "model/SilentMainView.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace balka {
namespace {

namespace fs = std::filesystem;

struct ChoiceCase {
    const char* Name;
    bool BuildTree;
    TUserEnvironment Environment;
    ProgramFolders Expected;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.Name;
}

class ProgramFoldersChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

// The program lies in <temp>/opt/bin; "resource" beside it makes it a build tree. Expected
// paths starting with "@" are under the temporary folder.
TEST_P(ProgramFoldersChoiceTest, FollowsTheProgramsPlaceAndTheEnvironment) {
    TempFolder root;
    const fs::path bin = root.Path() / "opt" / "bin";
    fs::create_directories(bin);
    if (GetParam().BuildTree) {
        fs::create_directories(bin / "resource");
    }
    const auto placed = [&](const fs::path& path) {
        const std::string text = path.string();
        return text.rfind('@', 0) == 0 ? root.Path() / text.substr(2) : path;
    };
    const ProgramFolders expected = GetParam().Expected;
    const ProgramFolders chosen = ChooseProgramFolders(bin, GetParam().Environment);
    EXPECT_EQ(chosen.Installation, placed(expected.Installation));
    EXPECT_EQ(chosen.ReferenceFiles, placed(expected.ReferenceFiles));
    EXPECT_EQ(chosen.Reports, placed(expected.Reports));
    EXPECT_EQ(chosen.Libraries, placed(expected.Libraries));
}

INSTANTIATE_TEST_SUITE_P(
    Places, ProgramFoldersChoiceTest,
    ::testing::Values(
        ChoiceCase{"BuildTreeKeepsEverythingBesideTheProgram",
                   true,
                   {"/data", "/home/u", "/cache", "/tmp", 1000},
                   {"@/opt/bin/resource", "@/opt/bin/resource", "@/opt/bin/temp", "@/opt/bin"}},
        ChoiceCase{"InstalledUsesTheXdgFolders",
                   false,
                   {"/data", "/home/u", "/cache", "/tmp", 1000},
                   {"@/opt/share/dravolit-balka", "/data/dravolit-balka", "/cache/dravolit-balka",
                    "@/opt/lib/dravolit-balka"}},
        ChoiceCase{"UnsetXdgVariablesFallBackToHome",
                   false,
                   {"", "/home/u", "", "/tmp", 1000},
                   {"@/opt/share/dravolit-balka", "/home/u/.local/share/dravolit-balka",
                    "/home/u/.cache/dravolit-balka", "@/opt/lib/dravolit-balka"}},
        ChoiceCase{"RelativeXdgVariablesAreIgnored",
                   false,
                   {"data", "/home/u", "cache", "/tmp", 1000},
                   {"@/opt/share/dravolit-balka", "/home/u/.local/share/dravolit-balka",
                    "/home/u/.cache/dravolit-balka", "@/opt/lib/dravolit-balka"}},
        ChoiceCase{"WithoutAHomeTheInstallationIsReadAndTheReportGoesToTemp",
                   false,
                   {"", "", "", "/var/tmp", 1000},
                   {"@/opt/share/dravolit-balka", "@/opt/share/dravolit-balka",
                    "/var/tmp/dravolit-balka-1000", "@/opt/lib/dravolit-balka"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Two widths, three heights, every size available.
const std::string kCatalogue = "2(45,75)\r\n3(200,300,400)\r\n111\r\n111\r\n";

// An installation under <temp>/usr with its defaults (the repository's material), and a user's home
// under <temp>/home.
class FirstUseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(root_.Path() / "usr" / "bin");
        folders_ = ChooseProgramFolders(root_.Path() / "usr" / "bin",
                                        {"", (root_.Path() / "home").string(), "", "/tmp", 0});
        fs::create_directories(folders_.Installation);
        fs::copy_file(fs::path(BALKA_TEST_DATA) / ".." / ".." / "resource" / "material.txt",
                      folders_.Installation / "material.txt");
        WriteFileReplacing(folders_.Installation / "sortament.txt", kCatalogue);
    }

    TempFolder root_;
    ProgramFolders folders_;
};

TEST_F(FirstUseTest, DefaultsAreCopiedIntoTheUsersFolder) {
    const fs::path userFolder = root_.Path() / "home" / ".local" / "share" / "dravolit-balka";
    ProvideReferenceFiles(folders_);
    EXPECT_EQ(folders_.ReferenceFiles, userFolder);
    EXPECT_EQ(ReadWholeFile(userFolder / "material.txt"),
              ReadWholeFile(folders_.Installation / "material.txt"));
    EXPECT_EQ(ReadWholeFile(userFolder / "sortament.txt"), kCatalogue);
    // Nothing but the two files: the copies leave no sibling behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(userFolder), fs::directory_iterator()), 2);
}

TEST_F(FirstUseTest, TheUsersOwnFilesAreNeverReplaced) {
    fs::create_directories(folders_.ReferenceFiles);
    WriteFileReplacing(folders_.ReferenceFiles / "material.txt", "Custom\r\n20;2;10000\r\n");
    ProvideReferenceFiles(folders_);
    EXPECT_EQ(ReadWholeFile(folders_.ReferenceFiles / "material.txt"), "Custom\r\n20;2;10000\r\n");
    // Only the missing one is copied.
    EXPECT_EQ(ReadWholeFile(folders_.ReferenceFiles / "sortament.txt"), kCatalogue);
}

TEST_F(FirstUseTest, AFolderThatCannotBeMadeLeavesTheInstallationsFilesToRead) {
    // A file where the user's data folder should be.
    WriteFileReplacing(root_.Path() / "home", "");
    ProvideReferenceFiles(folders_);
    EXPECT_EQ(folders_.ReferenceFiles, folders_.Installation);
}

TEST_F(FirstUseTest, AMissingDefaultKeepsTheUsersFolder) {
    fs::remove(folders_.Installation / "sortament.txt");
    const fs::path userFolder = folders_.ReferenceFiles;
    ProvideReferenceFiles(folders_);
    EXPECT_EQ(folders_.ReferenceFiles, userFolder);
    EXPECT_TRUE(fs::exists(userFolder / "material.txt"));
}

TEST_F(FirstUseTest, TheBuildTreeIsLeftAsItIs) {
    fs::create_directories(root_.Path() / "build" / "resource");
    ProgramFolders build = BuildTreeFolders(root_.Path() / "build");
    ProvideReferenceFiles(build);
    EXPECT_EQ(build.ReferenceFiles, root_.Path() / "build" / "resource");
    EXPECT_TRUE(fs::is_empty(root_.Path() / "build" / "resource"));
}

TEST_F(FirstUseTest, TheWorkspaceReadsTheUsersFilesAndMakesTheReportFolder) {
    ProvideReferenceFiles(folders_);
    SilentMainView view;
    RecordingMessageSink messages;
    Workspace workspace(view, messages, folders_);
    workspace.LoadReferenceData();
    EXPECT_EQ(messages.Messages, std::vector<std::string>{});
    EXPECT_EQ(workspace.Catalogue.Catalogue().Widths, (std::vector<int32_t>{45, 75}));

    const fs::path reports = root_.Path() / "home" / ".cache" / "dravolit-balka";
    EXPECT_FALSE(fs::exists(reports));
    EXPECT_EQ(workspace.ReportFolder(), reports);
    EXPECT_TRUE(fs::is_directory(reports));
}

} // namespace
} // namespace balka
