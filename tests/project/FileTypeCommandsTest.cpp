#include "project/FileTypeCommands.h"

#include "model/FileAccess.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

namespace fs = std::filesystem;

const std::string Registered =
    "Установлена ассоциативная связь программы ''Драволит-Балка'' с файлами типа *.lvl. Для "
    "отображения зарегистрированной пиктограммы этого типа файлов возможно потребуется "
    "перезагрузка.";
const std::string Unregistered =
    "Все записи о файлах типа *.lvl, созданные при регистрации в настройках рабочего стола (тип "
    "файлов, ярлык программы и пиктограмма), удалены.";

class RecordingToolRunner : public ToolRunner {
  public:
    std::vector<std::vector<std::string>> Commands;
    void Run(const std::vector<std::string>& command) override { Commands.push_back(command); }
};

class FileTypeCommandsTest : public ::testing::Test {
  protected:
    FileTypeCommands Commands(const fs::path& program) {
        return FileTypeCommands({DataHome(), {program, "icon"}}, sink_, tools_);
    }
    fs::path DataHome() const { return folder_.Path() / "share"; }
    TFileAssociationFiles Files() const { return FileAssociationFiles(DataHome()); }

    TempFolder folder_;
    RecordingMessageSink sink_;
    RecordingToolRunner tools_;
};

TEST_F(FileTypeCommandsTest, RegisterWritesRebuildsCachesAndTellsTheUser) {
    FileTypeCommands commands = Commands("/opt/balka/dravolit-balka");
    commands.RegisterCommand();
    EXPECT_TRUE(commands.IsRegistered());
    EXPECT_EQ(sink_.Messages, std::vector<std::string>{Registered});
    EXPECT_EQ(tools_.Commands, DesktopDatabaseCommands(DataHome()));
}

TEST_F(FileTypeCommandsTest, UnregisterRemovesAndTellsTheUserEvenWhenNothingWasRegistered) {
    FileTypeCommands commands = Commands("/opt/balka/dravolit-balka");
    commands.UnregisterCommand();
    commands.RegisterCommand();
    commands.UnregisterCommand();
    EXPECT_FALSE(commands.IsRegistered());
    EXPECT_EQ(sink_.Messages, (std::vector<std::string>{Unregistered, Registered, Unregistered}));
}

TEST_F(FileTypeCommandsTest, StartWithoutRegistrationWritesNothing) {
    Commands("/opt/balka/dravolit-balka").RefreshAtStart();
    EXPECT_FALSE(fs::exists(DataHome()));
    EXPECT_TRUE(sink_.Messages.empty());
    EXPECT_TRUE(tools_.Commands.empty());
}

TEST_F(FileTypeCommandsTest, StartAfterTheProgramMovedPointsTheEntryToTheNewPlace) {
    Commands("/opt/balka/dravolit-balka").RegisterCommand();
    sink_.Messages.clear();
    tools_.Commands.clear();

    Commands("/opt/balka/dravolit-balka").RefreshAtStart();
    EXPECT_TRUE(tools_.Commands.empty()) << "nothing changed, the caches are left alone";

    Commands("/home/u/new place/dravolit-balka").RefreshAtStart();
    EXPECT_NE(
        ReadWholeFile(Files().DesktopEntry)->find("Exec=\"/home/u/new place/dravolit-balka\""),
        std::string::npos);
    EXPECT_EQ(tools_.Commands, DesktopDatabaseCommands(DataHome()));
    EXPECT_TRUE(sink_.Messages.empty());
}

TEST_F(FileTypeCommandsTest, FailureIsReportedInsteadOfTheSuccessMessage) {
    fs::create_directories(DataHome());
    WriteFileReplacing(DataHome() / "mime", "a file where the folder should be");
    Commands("/opt/balka/dravolit-balka").RegisterCommand();
    ASSERT_EQ(sink_.Messages.size(), 1u);
    EXPECT_NE(sink_.Messages[0].find("Не удалось создать папку"), std::string::npos);
    EXPECT_TRUE(tools_.Commands.empty());
}

TEST_F(FileTypeCommandsTest, NoDataFolderIsReported) {
    FileTypeCommands commands({std::nullopt, {"/opt/balka/dravolit-balka", "icon"}}, sink_, tools_);
    commands.RefreshAtStart();
    EXPECT_TRUE(sink_.Messages.empty());
    commands.RegisterCommand();
    ASSERT_EQ(sink_.Messages.size(), 1u);
    EXPECT_NE(sink_.Messages[0].find("папку данных пользователя"), std::string::npos);
}

} // namespace
} // namespace balka
