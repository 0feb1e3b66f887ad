#include "project/HelpFile.h"

#include "model/FileAccess.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

namespace fs = std::filesystem;

class HelpFileTest : public ::testing::Test {
  protected:
    DocumentOpener Opener(bool succeeds) {
        return [this, succeeds](const fs::path& path) {
            opened_.push_back(path);
            return succeeds;
        };
    }
    void PutHelpFile() {
        fs::create_directories(folders_.Installation);
        WriteFileReplacing(HelpFilePath(folders_), "<html></html>");
    }

    TempFolder folder_;
    ProgramFolders folders_ = BuildTreeFolders(folder_.Path());
    RecordingMessageSink sink_;
    std::vector<fs::path> opened_;
};

TEST_F(HelpFileTest, HelpLiesAmongTheInstallationsFiles) {
    EXPECT_EQ(HelpFilePath(BuildTreeFolders("/home/u/balka/build")),
              fs::path("/home/u/balka/build/resource/help.html"));
    EXPECT_EQ(HelpFilePath(ChooseProgramFolders("/opt/balka/bin", {"", "/home/u", "", "/tmp", 0})),
              fs::path("/opt/balka/share/dravolit-balka/help.html"));
}

TEST_F(HelpFileTest, PresentFileGoesToTheViewerSilently) {
    PutHelpFile();
    OpenHelp(folders_, Opener(true), sink_);
    EXPECT_EQ(opened_, std::vector<fs::path>{HelpFilePath(folders_)});
    EXPECT_TRUE(sink_.Messages.empty());
}

TEST_F(HelpFileTest, MissingFileIsToldAndNotHandedOn) {
    OpenHelp(folders_, Opener(true), sink_);
    EXPECT_TRUE(opened_.empty());
    ASSERT_EQ(sink_.Messages.size(), 1u);
    EXPECT_EQ(sink_.Messages[0],
              "Файл справки \"" + HelpFilePath(folders_).string() + "\" не найден.");
}

TEST_F(HelpFileTest, ViewerThatCannotOpenItIsTold) {
    PutHelpFile();
    OpenHelp(folders_, Opener(false), sink_);
    ASSERT_EQ(sink_.Messages.size(), 1u);
    EXPECT_NE(sink_.Messages[0].find("Не удалось открыть файл справки"), std::string::npos);
}

} // namespace
} // namespace balka
