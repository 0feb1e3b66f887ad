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
        fs::create_directories(folder_.Path() / "resource");
        WriteFileReplacing(HelpFilePath(folder_.Path()), "<html></html>");
    }

    TempFolder folder_;
    RecordingMessageSink sink_;
    std::vector<fs::path> opened_;
};

TEST_F(HelpFileTest, HelpLiesInTheResourceFolderBesideTheProgram) {
    EXPECT_EQ(HelpFilePath("/opt/balka"), fs::path("/opt/balka/resource/help.html"));
}

TEST_F(HelpFileTest, PresentFileGoesToTheViewerSilently) {
    PutHelpFile();
    OpenHelp(folder_.Path(), Opener(true), sink_);
    EXPECT_EQ(opened_, std::vector<fs::path>{HelpFilePath(folder_.Path())});
    EXPECT_TRUE(sink_.Messages.empty());
}

TEST_F(HelpFileTest, MissingFileIsToldAndNotHandedOn) {
    OpenHelp(folder_.Path(), Opener(true), sink_);
    EXPECT_TRUE(opened_.empty());
    ASSERT_EQ(sink_.Messages.size(), 1u);
    EXPECT_EQ(sink_.Messages[0], "Файл справки \"" + HelpFilePath(folder_.Path()).string() +
                                     "\" не найден: он должен лежать в папке resource рядом с "
                                     "программой.");
}

TEST_F(HelpFileTest, ViewerThatCannotOpenItIsTold) {
    PutHelpFile();
    OpenHelp(folder_.Path(), Opener(false), sink_);
    ASSERT_EQ(sink_.Messages.size(), 1u);
    EXPECT_NE(sink_.Messages[0].find("Не удалось открыть файл справки"), std::string::npos);
}

} // namespace
} // namespace balka
