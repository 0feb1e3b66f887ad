#include "project/ProjectCommands.h"

#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "project/ProjectFile.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace balka {
namespace {

// The repository's folder holds resource/ with the installed reference files.
std::filesystem::path RepositoryFolder() {
    return std::filesystem::path(BALKA_TEST_DATA) / ".." / "..";
}

// One program's windows: the workspace, with the installed material and catalogue read, and its
// recording view and message sink.
struct Session {
    Session() { Space.LoadReferenceData(); }
    RecordingView View;
    RecordingMessageSink Messages;
    Workspace Space{View, Messages, BuildTreeFolders(RepositoryFolder())};
};

// Appends a data row the way the editors do: the count grows, the row is numbered.
void AddRow(TextTable& table, int32_t& count, const std::vector<std::string>& cells) {
    if (count > 0) {
        table.AppendRow();
    }
    ++count;
    table.SetCell(0, count, std::to_string(count));
    for (size_t k = 0; k < cells.size(); ++k) {
        table.SetCell(static_cast<int>(k) + 1, count, cells[k]);
    }
}

// A sloped two-span beam fixed on the left with a free right end, a load of every kind (the
// whole-beam and whole-span ones with the editors' single-blank x and s cells), a hole in each
// span and every design field away from its default.
void FillFullProject(Workspace& space) {
    TBeam& beam = space.Beam;
    AddRow(space.Geometry.Grid, beam.SpanCount, {"4,5"});
    AddRow(space.Geometry.Grid, beam.SpanCount, {"1,2"});
    space.Geometry.AngleText = "30";
    space.Geometry.LeftSupportIndex = 1;
    space.Geometry.RightSupportIndex = 2;
    AddRow(space.Loads.Grid, beam.LoadCount, {"0", "1", "120", "1,1", "1", " ", " "});
    AddRow(space.Loads.Grid, beam.LoadCount, {"1", "2", "300", "1,4", "0,5", " ", " "});
    AddRow(space.Loads.Grid, beam.LoadCount, {"1", "3", "80", "1,2", "0,3", "1", "2,5"});
    AddRow(space.Loads.Grid, beam.LoadCount, {"2", "4", "500", "1,2", "0", "0,6", " "});
    AddRow(space.Holes.Grid, beam.HoleCount, {"1", "50", "1,5", "0,1"});
    AddRow(space.Holes.Grid, beam.HoleCount, {"2", "32", "0,75", "-0,05"});
    DesignSettings& design = space.Design.Settings;
    design.TypeIndex = 1;
    design.WidthCount = "2";
    design.Width = "51";
    design.Height = "400";
    design.ClassRespIndex = 2;
    design.ClassExpIndex = 1;
    design.Antipiren = true;
    design.TemperatureMode = TTemperatureMode::From35To50;
    design.Temp = "45";
    design.DeflectionIndex = 4;
    design.Loads = DeflectionLoads::LongTerm;
    design.LP = "3";
    design.Mmax = "1500";
    design.Kf = "1,13";
    design.Rast = true;
    design.RastCount = "2";
}

// Data rows 1..count hold the same texts; a single blank comes back empty.
void ExpectSameRows(const TextTable& opened, const TextTable& saved, int count) {
    for (int row = 1; row <= count; ++row) {
        for (int column = 0; column < saved.ColumnCount(); ++column) {
            const std::string& text = saved.Cell(column, row);
            EXPECT_EQ(opened.Cell(column, row), text == " " ? "" : text)
                << saved.Cell(column, 0) << ", row " << row;
        }
    }
}

class ProjectCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    std::string PathOf(const std::string& name) const { return (folder_.Path() / name).string(); }

    std::string WriteText(const std::string& name, const std::string& utf8Text) const {
        const std::string path = PathOf(name);
        WriteFileReplacing(path, EncodeWindows1251(utf8Text));
        return path;
    }

    // A complete project file as the program writes it: the spans with these cell texts on
    // the given end-support items, no loads or holes, the design dialog's defaults.
    std::string WriteSpans(const std::string& name, const std::vector<std::string>& lengths,
                           int32_t supportIndex = 0) const {
        ProjectData data;
        for (const std::string& length : lengths) {
            AddRow(data.Spans, data.SpanCount, {length});
        }
        data.LeftSupportIndex = supportIndex;
        data.RightSupportIndex = supportIndex;
        const std::string path = PathOf(name);
        WriteProjectFile(path, data);
        return path;
    }

    TempFolder folder_;
};

TEST_F(ProjectCommandsTest, SavedProjectOpensWithEveryCellAndSettingAsSaved) {
    Session saved;
    FillFullProject(saved.Space);
    ASSERT_EQ(saved.Space.Recalculate(), RecalcOutcome::Finished);
    const std::string path = PathOf("Проект.lvl");
    SaveProjectAs(saved.Space, path);

    Session opened;
    ASSERT_EQ(OpenProject(opened.Space, path), OpenResult::Opened);

    const TBeam& before = saved.Space.Beam;
    const TBeam& after = opened.Space.Beam;
    ASSERT_EQ(after.SpanCount, 2);
    ASSERT_EQ(after.LoadCount, 4);
    ASSERT_EQ(after.HoleCount, 2);
    ExpectSameRows(opened.Space.Geometry.Grid, saved.Space.Geometry.Grid, 2);
    ExpectSameRows(opened.Space.Loads.Grid, saved.Space.Loads.Grid, 4);
    ExpectSameRows(opened.Space.Holes.Grid, saved.Space.Holes.Grid, 2);
    EXPECT_EQ(opened.Space.Loads.Grid.Cell(6, 1), "");
    EXPECT_EQ(opened.Space.Geometry.AngleText, "30");
    EXPECT_EQ(opened.Space.Geometry.LeftSupportIndex, 1);
    EXPECT_EQ(opened.Space.Geometry.RightSupportIndex, 2);
    EXPECT_EQ(opened.Space.Design.Settings, saved.Space.Design.Settings);

    EXPECT_EQ(after.FilePath, path);
    EXPECT_EQ(after.FileName, "Проект.lvl");
    EXPECT_EQ(after.LeftSupport, SupportFixed);
    EXPECT_EQ(after.RightSupport, SupportFree);
    EXPECT_FLOAT_EQ(after.SlopeAngle, 30.0f);
    EXPECT_EQ(after.TotalSlopeLength, before.TotalSlopeLength);
    EXPECT_FLOAT_EQ(after.MaxAbsM, before.MaxAbsM);
    EXPECT_FLOAT_EQ(after.MaxAbsQ, before.MaxAbsQ);
    EXPECT_TRUE(after.SchemeReady);
    // The recalculation marked the caption; the open takes the mark away again.
    EXPECT_EQ(opened.View.Caption, "Драволит-Балка - Проект.lvl");
    EXPECT_EQ(opened.View.Status[PanelMass], saved.View.Status[PanelMass]);
    EXPECT_TRUE(opened.Messages.Messages.empty());
}

TEST_F(ProjectCommandsTest, SaveAsNamesTheProjectAndSaveWritesUnderThatName) {
    Session session;
    FillFullProject(session.Space);
    session.Space.Recalculate();
    EXPECT_EQ(session.View.Caption, "Драволит-Балка");

    EXPECT_EQ(SaveProject(session.Space), SaveResult::NameNeeded);
    EXPECT_TRUE(session.Space.Beam.FilePath.empty());
    EXPECT_EQ(session.View.Caption, "Драволит-Балка");

    const std::string path = PathOf("Балка.lvl");
    SaveProjectAs(session.Space, path);
    EXPECT_EQ(session.Space.Beam.FileName, "Балка.lvl");
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Балка.lvl");

    session.Space.Geometry.Grid.SetCell(1, 1, "5");
    session.Space.Recalculate();
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Балка.lvl*");
    EXPECT_EQ(SaveProject(session.Space), SaveResult::Saved);
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Балка.lvl");
    EXPECT_EQ(ReadProjectFile(path).Data.Spans.Cell(1, 1), "5");
}

TEST_F(ProjectCommandsTest, DeclaredSpanWithoutItsSectionOpensAsOneMetre) {
    const std::string path = WriteText("Три пролета.lvl", "[Геометрия]\r\n"
                                                          "Количество пролетов=3\r\n"
                                                          "[Пролет 1]\r\n"
                                                          "Длина=4\r\n"
                                                          "[Пролет 2]\r\n"
                                                          "Длина=3,5\r\n");
    Session session;
    ASSERT_EQ(OpenProject(session.Space, path), OpenResult::Opened);

    const TBeam& beam = session.Space.Beam;
    ASSERT_EQ(beam.SpanCount, 3);
    EXPECT_EQ(session.Space.Geometry.Grid.Cell(1, 3), "1");
    EXPECT_EQ(session.Space.Geometry.Grid.Cell(0, 3), "3");
    EXPECT_EQ(beam.TotalLength, 8500);
    // The file names no supports, so both lists are without a choice and the beam has hinges.
    EXPECT_EQ(session.Space.Geometry.LeftSupportIndex, kNoSupportChosen);
    EXPECT_EQ(beam.LeftSupport, SupportHinge);
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Три пролета.lvl");
    // One warning says what was missing and that defaults took its place.
    EXPECT_EQ(session.Messages.Messages,
              std::vector<std::string>{
                  "В файле Три пролета.lvl не хватает данных полного проекта: [Геометрия] Угол; "
                  "[Геометрия] Левая опора; [Геометрия] Правая опора; раздел [Пролет 3]; раздел "
                  "[Нагрузки]; раздел [Отверстия]; раздел [Расчет]. Вместо них использованы "
                  "значения по умолчанию."});
}

TEST_F(ProjectCommandsTest, AFileWithoutSupportsDoesNotInheritThePreviousOnes) {
    Session session;
    FillFullProject(session.Space);
    session.Space.Recalculate();
    ASSERT_EQ(session.Space.Beam.LeftSupport, SupportFixed);
    const std::string path = WriteText("Без опор.lvl", "[Геометрия]\r\nКоличество пролетов=1\r\n"
                                                       "[Пролет 1]\r\nДлина=4\r\n");

    ASSERT_EQ(OpenProject(session.Space, path), OpenResult::Opened);

    EXPECT_EQ(session.Space.Beam.LeftSupport, SupportHinge);
    EXPECT_EQ(session.Space.Beam.RightSupport, SupportHinge);
}

TEST_F(ProjectCommandsTest, ManyMissingItemsAreCountedAfterTheFirstTen) {
    const std::string path = WriteText("Нагрузки.lvl", "[Нагрузки]\r\nКоличество нагрузок=3\r\n");
    Session session;
    ASSERT_EQ(OpenProject(session.Space, path), OpenResult::Opened);
    ASSERT_EQ(session.Messages.Messages.size(), 1u);
    const std::string& warning = session.Messages.Messages[0];
    EXPECT_TRUE(
        warning.starts_with("В файле Нагрузки.lvl не хватает данных полного проекта: "
                            "раздел [Геометрия]; раздел [Нагрузка 1]; раздел [Нагрузка "
                            "2]; раздел [Нагрузка 3]; раздел [Отверстия]; раздел [Расчет]."))
        << warning;
}

struct ForeignFileCase {
    std::string Name;
    std::string Text;
};

void PrintTo(const ForeignFileCase& c, std::ostream* os) {
    *os << c.Name;
}

class ForeignFileTest : public ProjectCommandsTest,
                        public ::testing::WithParamInterface<ForeignFileCase> {};

// A file that is no project is refused whole: the open project stays as it was.
TEST_P(ForeignFileTest, IsRefusedAndTheProjectStays) {
    Session session;
    const std::string own = PathOf("Свой.lvl");
    FillFullProject(session.Space);
    SaveProjectAs(session.Space, own);
    session.Space.Recalculate();
    const std::string path = WriteText("Чужой.lvl", GetParam().Text);

    try {
        OpenProject(session.Space, path);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Файл \"" + path +
                      "\" не является файлом проекта балки: в нем нет ни одного из разделов "
                      "[Геометрия], [Нагрузки], [Отверстия], [Расчет].");
    }

    const TBeam& beam = session.Space.Beam;
    EXPECT_EQ(beam.SpanCount, 2);
    EXPECT_EQ(beam.LoadCount, 4);
    EXPECT_EQ(session.Space.Geometry.Grid.Cell(1, 1), "4,5");
    EXPECT_EQ(session.Space.Design.Settings.Width, "51");
    EXPECT_TRUE(beam.SchemeReady);
    EXPECT_EQ(beam.FilePath, own);
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Свой.lvl*");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ForeignFileTest,
    ::testing::Values(ForeignFileCase{"Empty", ""},
                      ForeignFileCase{"OtherProgramsSettings",
                                      "[Окно]\r\nШирина=800\r\nВысота=600\r\n"},
                      ForeignFileCase{"PlainText", "Это не проект балки.\r\n"}),
    [](const auto& info) { return info.param.Name; });

TEST_F(ProjectCommandsTest, NameWithLvlInAnyLetterCaseOpens) {
    const std::string path = WriteSpans("Проект.LVL", {"1"});
    Session session;
    EXPECT_EQ(OpenProject(session.Space, path), OpenResult::Opened);
    EXPECT_EQ(session.Space.Beam.SpanCount, 1);
    EXPECT_EQ(session.Space.Beam.FileName, "Проект.LVL");
    EXPECT_TRUE(session.Messages.Messages.empty());
}

TEST_F(ProjectCommandsTest, NameWithoutLvlIsRefusedAndNothingChanges) {
    Session session;
    const std::string own = PathOf("Свой.lvl");
    FillFullProject(session.Space);
    SaveProjectAs(session.Space, own);
    const std::string path = WriteText("проект.txt", "[Геометрия]\r\nКоличество пролетов=1\r\n");

    EXPECT_EQ(OpenProject(session.Space, path), OpenResult::Refused);

    EXPECT_EQ(session.Messages.Messages,
              std::vector<std::string>{
                  "Ошибка! Файл проект.txt не является файлом расчета балок из ЛВЛ."});
    EXPECT_EQ(session.Space.Beam.SpanCount, 2);
    EXPECT_EQ(session.Space.Beam.FilePath, own);
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Свой.lvl");
}

TEST_F(ProjectCommandsTest, MissingFileThrowsAndLeavesTheProjectAlone) {
    Session session;
    const std::string own = PathOf("Свой.lvl");
    FillFullProject(session.Space);
    SaveProjectAs(session.Space, own);
    const std::string missing = PathOf("Нет такого.lvl");

    EXPECT_THROW(OpenProject(session.Space, missing), FileError);

    EXPECT_EQ(session.Space.Beam.SpanCount, 2);
    EXPECT_EQ(session.Space.Geometry.Grid.Cell(1, 1), "4,5");
    EXPECT_EQ(session.Space.Beam.FilePath, own);
    EXPECT_EQ(session.Space.Beam.FileName, "Свой.lvl");
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Свой.lvl");
}

TEST_F(ProjectCommandsTest, CellThatDoesNotConvertIsRethrownAfterTheCaption) {
    const std::string path = WriteText("Испорчен.lvl", "[Геометрия]\r\n"
                                                       "Количество пролетов=2\r\n"
                                                       "[Пролет 1]\r\nДлина=4\r\n"
                                                       "[Пролет 2]\r\nДлина=три\r\n");
    Session session;
    try {
        OpenProject(session.Space, path);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Геометрия, строка 2, столбец \"L, м\": значение \"три\" не является числом.");
    }
    EXPECT_EQ(session.Space.Geometry.Grid.Cell(1, 2), "три");
    EXPECT_EQ(session.Space.Beam.FilePath, path);
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Испорчен.lvl");
}

TEST_F(ProjectCommandsTest, SupportsThatCannotCarryLoadStillGetTheCaption) {
    const std::string path = WriteText("Консоли.lvl", "[Геометрия]\r\n"
                                                      "Количество пролетов=1\r\n"
                                                      "Левая опора=3\r\nПравая опора=3\r\n"
                                                      "[Пролет 1]\r\nДлина=4\r\n");
    Session session;
    ASSERT_EQ(OpenProject(session.Space, path), OpenResult::Opened);
    EXPECT_EQ(session.Space.Beam.LeftSupport, SupportFree);
    EXPECT_FALSE(session.Space.Beam.SchemeReady);
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Консоли.lvl");
}

TEST_F(ProjectCommandsTest, LoadProjectReportsWhetherTheRecalculationStopped) {
    Session session;
    session.Space.Beam.FilePath = WriteText("Консоль.lvl", "[Геометрия]\r\n"
                                                           "Количество пролетов=1\r\n"
                                                           "Левая опора=1\r\nПравая опора=3\r\n");
    EXPECT_EQ(LoadProject(session.Space), RecalcOutcome::StoppedUnstable);
    EXPECT_EQ(session.Space.Beam.FileName, "Консоль.lvl");
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Консоль.lvl");
}

TEST_F(ProjectCommandsTest, ProjectNamedAtStartOpensWithoutTheNameCheck) {
    const std::string path = WriteSpans("балка.проект", {"6"});
    Session session;
    OpenProjectAtStart(session.Space, path);
    EXPECT_TRUE(session.Messages.Messages.empty());
    EXPECT_EQ(session.Space.Beam.TotalLength, 6000);
    EXPECT_EQ(session.Space.Beam.FileName, "балка.проект");
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - балка.проект");
}

TEST_F(ProjectCommandsTest, MissingProjectAtStartIsShownAndTheProjectStaysUnnamed) {
    Session session;
    const std::string missing = PathOf("Нет такого.lvl");
    OpenProjectAtStart(session.Space, missing);
    EXPECT_EQ(session.Messages.Messages,
              std::vector<std::string>{"Не удалось прочитать файл \"" + missing + "\"."});
    EXPECT_TRUE(session.Space.Beam.FilePath.empty());
    EXPECT_TRUE(session.Space.Beam.FileName.empty());
    EXPECT_EQ(session.View.Caption, "Драволит-Балка");
}

TEST_F(ProjectCommandsTest, DamagedProjectAtStartIsShownWithTheFileOpen) {
    const std::string path = WriteSpans("Испорчен.lvl", {"x"});
    Session session;
    OpenProjectAtStart(session.Space, path);
    EXPECT_EQ(session.Messages.Messages,
              std::vector<std::string>{
                  "Геометрия, строка 1, столбец \"L, м\": значение \"x\" не является числом."});
    EXPECT_EQ(session.View.Caption, "Драволит-Балка - Испорчен.lvl");
}

// Run in a child process: saves into the locked folder as an unprivileged user (root writes
// anywhere), checks that the project kept its name and caption, and exits with 3 after printing
// the error's text; any other exit means the save went wrong.
[[noreturn]] void SaveIntoLockedFolder(Session& session, const std::string& path) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        std::_Exit(1);
    }
    const std::string oldPath = session.Space.Beam.FilePath;
    const std::string oldCaption = session.View.Caption;
    try {
        SaveProjectAs(session.Space, path);
    } catch (const FileError& error) {
        const bool unchanged = session.Space.Beam.FilePath == oldPath &&
                               session.Space.Beam.FileName == FileNameOfPath(oldPath) &&
                               session.View.Caption == oldCaption;
        std::fputs(error.what(), stderr);
        std::_Exit(unchanged ? 3 : 4);
    }
    std::_Exit(2);
}

TEST_F(ProjectCommandsTest, FailedSaveKeepsTheOldFileNameAndCaption) {
    Session session;
    FillFullProject(session.Space);
    const std::string own = PathOf("Свой.lvl");
    SaveProjectAs(session.Space, own);
    const std::string other = PathOf("Другой.lvl");
    WriteText("Другой.lvl", "[Геометрия]\r\nКоличество пролетов=0\r\n");
    const auto before = ReadWholeFile(other);
    std::filesystem::permissions(
        folder_.Path(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
            std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
        std::filesystem::perm_options::replace);

    EXPECT_EXIT(SaveIntoLockedFolder(session, other), ::testing::ExitedWithCode(3),
                "Не удалось записать файл \"" + other + "\"\\.");

    std::filesystem::permissions(folder_.Path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(ReadWholeFile(other), before);
}

TEST_F(ProjectCommandsTest, FileNameIsThePartAfterTheLastSlash) {
    EXPECT_EQ(FileNameOfPath("/home/инженер/Балки/Перекрытие.lvl"), "Перекрытие.lvl");
    EXPECT_EQ(FileNameOfPath("Перекрытие.lvl"), "Перекрытие.lvl");
    EXPECT_EQ(FileNameOfPath("/tmp/"), "");
}

} // namespace
} // namespace balka
