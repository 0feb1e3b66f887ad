#include "project/ProjectFile.h"

#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "project/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace balka {
namespace {

class ProjectFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    std::filesystem::path Write(const std::string& name, const std::string& utf8Text) {
        const auto path = folder_.Path() / name;
        WriteFileReplacing(path, EncodeWindows1251(utf8Text));
        return path;
    }

    TempFolder folder_;
};

void SetRow(TextTable& table, int row, std::vector<std::string> cells) {
    if (table.RowCount() <= row) {
        table.SetDataRowCount(row);
    }
    table.SetCell(0, row, std::to_string(row));
    for (size_t k = 0; k < cells.size(); ++k) {
        table.SetCell(static_cast<int>(k) + 1, row, cells[k]);
    }
}

// The project the example file describes: spans 4 and 3,5 m, one load of 250 kg/m over part of
// span 1, no holes, and the design dialog as it starts with a catalogue whose first section is
// 45 x 200.
ProjectData ExampleProject() {
    ProjectData data;
    SetRow(data.Spans, 1, {"4"});
    SetRow(data.Spans, 2, {"3,5"});
    data.SpanCount = 2;
    SetRow(data.Loads, 1, {"1", "3", "250", "1,2", "1", "0,5", "2"});
    data.LoadCount = 1;
    data.Design.Width = "45";
    data.Design.Height = "200";
    return data;
}

// Every part of the file in use: a slope, a free right end, loads of every kind (the whole-beam
// and whole-span ones with their single-blank x and s cells), two holes, every design field
// away from its default.
ProjectData FullProject() {
    ProjectData data;
    SetRow(data.Spans, 1, {"1,2"});
    SetRow(data.Spans, 2, {"6"});
    SetRow(data.Spans, 3, {"4,5"});
    data.SpanCount = 3;
    data.Angle = "12,5";
    data.LeftSupportIndex = 1;
    data.RightSupportIndex = 2;
    SetRow(data.Loads, 1, {"0", "1", "120", "1,1", "1", " ", " "});
    SetRow(data.Loads, 2, {"2", "2", "300", "1,4", "0,5", " ", " "});
    SetRow(data.Loads, 3, {"2", "3", "80", "1,2", "0,3", "1", "2,5"});
    SetRow(data.Loads, 4, {"3", "4", "500", "1,2", "0", "2,25", " "});
    data.LoadCount = 4;
    SetRow(data.Holes, 1, {"2", "50", "1,5", "0,1"});
    SetRow(data.Holes, 2, {"3", "32", "0,75", "-0,05"});
    data.HoleCount = 2;
    data.Design.TypeIndex = 1;
    data.Design.WidthCount = "2";
    data.Design.Width = "51";
    data.Design.Height = "400";
    data.Design.ClassRespIndex = 2;
    data.Design.ClassExpIndex = 1;
    data.Design.Antipiren = true;
    data.Design.TemperatureMode = TTemperatureMode::From35To50;
    data.Design.Temp = "45";
    data.Design.DeflectionIndex = 4;
    data.Design.Loads = DeflectionLoads::LongTerm;
    data.Design.LP = "3";
    data.Design.Mmax = "1500";
    data.Design.Kf = "1,13";
    data.Design.Rast = true;
    data.Design.RastCount = "2";
    return data;
}

// Data rows 1..count of two tables hold the same texts, a single blank reading as empty.
void ExpectSameRows(const TextTable& read, const TextTable& written, int count) {
    ASSERT_EQ(read.RowCount(), written.RowCount());
    ASSERT_EQ(read.ColumnCount(), written.ColumnCount());
    for (int row = 1; row <= count; ++row) {
        for (int column = 0; column < written.ColumnCount(); ++column) {
            const std::string& text = written.Cell(column, row);
            EXPECT_EQ(read.Cell(column, row), text == " " ? "" : text)
                << "row " << row << ", column " << column;
        }
    }
}

TEST_F(ProjectFileTest, WritesTheGoldenFile) {
    const auto path = folder_.Path() / "Полный проект.lvl";
    WriteProjectFile(path, FullProject());
    const auto golden =
        ReadWholeFile(std::filesystem::path(BALKA_TEST_DATA) / "project" / "FullProject.lvl");
    ASSERT_TRUE(golden.has_value());
    EXPECT_EQ(ReadWholeFile(path), *golden);
}

TEST_F(ProjectFileTest, TheExampleProjectStartsAsTheExampleFile) {
    const auto path = folder_.Path() / "Расчет балки.lvl";
    WriteProjectFile(path, ExampleProject());
    const std::string expectedStart = EncodeWindows1251("[Геометрия]\r\n"
                                                        "Количество пролетов=2\r\n"
                                                        "Угол=0\r\n"
                                                        "Левая опора=1\r\n"
                                                        "Правая опора=1\r\n"
                                                        "[Пролет 1]\r\n"
                                                        "Длина=4\r\n"
                                                        "[Пролет 2]\r\n"
                                                        "Длина=3,5\r\n"
                                                        "[Нагрузки]\r\n"
                                                        "Количество нагрузок=1\r\n"
                                                        "[Нагрузка 1]\r\n"
                                                        "Пролет=1\r\n"
                                                        "Тип=3\r\n"
                                                        "Значение=250\r\n"
                                                        "Коэффициент надежности=1,2\r\n"
                                                        "Коэффициент длительности=1\r\n"
                                                        "Привязка=0,5\r\n"
                                                        "Длина=2\r\n"
                                                        "[Отверстия]\r\n"
                                                        "Количество отверстий=0\r\n"
                                                        "[Расчет]\r\n"
                                                        "Тип материала=0\r\n"
                                                        "Количество элементов=1\r\n");
    const auto written = ReadWholeFile(path);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->substr(0, expectedStart.size()), expectedStart);
}

TEST_F(ProjectFileTest, EveryCellAngleSupportAndDesignFieldComesBack) {
    for (const ProjectData& written : {FullProject(), ExampleProject(), ProjectData{}}) {
        const auto path = folder_.Path() / "проект.lvl";
        WriteProjectFile(path, written);
        const ProjectFileContents contents = ReadProjectFile(path);
        // What the program writes is a complete project.
        EXPECT_TRUE(contents.Missing.empty());
        const ProjectData& read = contents.Data;
        EXPECT_EQ(read.SpanCount, written.SpanCount);
        EXPECT_EQ(read.LoadCount, written.LoadCount);
        EXPECT_EQ(read.HoleCount, written.HoleCount);
        ExpectSameRows(read.Spans, written.Spans, written.SpanCount);
        ExpectSameRows(read.Loads, written.Loads, written.LoadCount);
        ExpectSameRows(read.Holes, written.Holes, written.HoleCount);
        EXPECT_EQ(read.Angle, written.Angle);
        EXPECT_EQ(read.LeftSupportIndex, written.LeftSupportIndex);
        EXPECT_EQ(read.RightSupportIndex, written.RightSupportIndex);
        EXPECT_EQ(read.Design, written.Design);
    }
}

TEST_F(ProjectFileTest, SingleBlankCellsComeBackEmpty) {
    const auto path = folder_.Path() / "проект.lvl";
    WriteProjectFile(path, FullProject());
    const ProjectData read = ReadProjectFile(path).Data;
    EXPECT_EQ(read.Loads.Cell(6, 1), "");
    EXPECT_EQ(read.Loads.Cell(7, 1), "");
    EXPECT_EQ(read.Loads.Cell(6, 4), "2,25");
    EXPECT_EQ(read.Loads.Cell(7, 4), "");
}

TEST_F(ProjectFileTest, MissingSpanSectionsReadAsLengthOne) {
    const auto path = Write("три пролета.lvl", "[Геометрия]\r\nКоличество пролетов=3\r\n"
                                               "[Пролет 1]\r\nДлина=4\r\n"
                                               "[Пролет 2]\r\nДлина=3,5\r\n");
    const ProjectFileContents contents = ReadProjectFile(path);
    // The row the count declares and the file lacks is listed with the rest that is missing.
    EXPECT_EQ(contents.Missing, (std::vector<std::string>{
                                    "[Геометрия] Угол", "[Геометрия] Левая опора",
                                    "[Геометрия] Правая опора", "раздел [Пролет 3]",
                                    "раздел [Нагрузки]", "раздел [Отверстия]", "раздел [Расчет]"}));
    const ProjectData& read = contents.Data;
    ASSERT_EQ(read.SpanCount, 3);
    ASSERT_EQ(read.Spans.RowCount(), 4);
    EXPECT_EQ(read.Spans.Cell(1, 1), "4");
    EXPECT_EQ(read.Spans.Cell(1, 2), "3,5");
    EXPECT_EQ(read.Spans.Cell(0, 3), "3");
    EXPECT_EQ(read.Spans.Cell(1, 3), "1");
}

TEST_F(ProjectFileTest, MissingLoadAndHoleKeysReadAsOne) {
    const auto path = Write("неполный.lvl", "[Нагрузки]\r\nКоличество нагрузок=1\r\n"
                                            "[Нагрузка 1]\r\nЗначение=250\r\n"
                                            "[Отверстия]\r\nКоличество отверстий=1\r\n");
    const ProjectFileContents contents = ReadProjectFile(path);
    const ProjectData& read = contents.Data;
    ASSERT_EQ(read.LoadCount, 1);
    for (int column = 1; column <= 7; ++column) {
        EXPECT_EQ(read.Loads.Cell(column, 1), column == 3 ? "250" : "1") << column;
    }
    ASSERT_EQ(read.HoleCount, 1);
    for (int column = 1; column <= 4; ++column) {
        EXPECT_EQ(read.Holes.Cell(column, 1), "1") << column;
    }
    EXPECT_EQ(contents.Missing,
              (std::vector<std::string>{"раздел [Геометрия]", "[Нагрузка 1] Пролет",
                                        "[Нагрузка 1] Тип", "[Нагрузка 1] Коэффициент надежности",
                                        "[Нагрузка 1] Коэффициент длительности",
                                        "[Нагрузка 1] Привязка", "[Нагрузка 1] Длина",
                                        "раздел [Отверстие 1]", "раздел [Расчет]"}));
}

// An empty file, someone else's profile, a picture: none has a section of a project.
TEST_F(ProjectFileTest, AFileWithoutAnyProjectSectionIsNoProject) {
    constexpr char picture[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR[=]";
    const std::string foreign[] = {"", "[Settings]\r\nWindow=3\r\n[Пролеты]\r\nДлина=4\r\n",
                                   std::string(picture, sizeof(picture) - 1),
                                   std::string(4096, '\xFF')};
    for (const std::string& bytes : foreign) {
        const auto path = folder_.Path() / "чужой.lvl";
        WriteFileReplacing(path, bytes);
        try {
            ReadProjectFile(path);
            FAIL() << "no error";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Файл \"" + path.string() +
                          "\" не является файлом проекта балки: в нем нет ни одного из разделов "
                          "[Геометрия], [Нагрузки], [Отверстия], [Расчет].");
        }
    }
}

// One section of a project is enough to open the file, with everything else listed missing.
TEST_F(ProjectFileTest, OneProjectSectionOpensAsAnEmptyProject) {
    const auto path = Write("чужой.lvl", "[Settings]\r\nWindow=3\r\n[Геометрия]\r\n");
    const ProjectFileContents contents = ReadProjectFile(path);
    EXPECT_EQ(contents.Missing.front(), "[Геометрия] Количество пролетов");
    EXPECT_EQ(contents.Missing.back(), "раздел [Расчет]");
    const ProjectData& read = contents.Data;
    EXPECT_EQ(read.SpanCount, 0);
    EXPECT_EQ(read.LoadCount, 0);
    EXPECT_EQ(read.HoleCount, 0);
    EXPECT_EQ(read.Spans.RowCount(), 2);
    EXPECT_EQ(read.Spans.Cell(1, 1), "");
    EXPECT_EQ(read.Loads.RowCount(), 2);
    EXPECT_EQ(read.Holes.RowCount(), 2);
    EXPECT_EQ(read.Angle, "0");
    EXPECT_EQ(read.LeftSupportIndex, kNoSupportChosen);
    EXPECT_EQ(read.RightSupportIndex, kNoSupportChosen);
    EXPECT_EQ(read.Design.ClassRespIndex, 0);
    EXPECT_EQ(read.Design.Width, "10");
}

TEST_F(ProjectFileTest, NamesMatchWhateverTheirCase) {
    const auto path = Write("регистр.lvl", "[ГЕОМЕТРИЯ]\r\nколичество ПРОЛЕТОВ=0x1\r\n"
                                           "угол=\"5\"\r\nЛЕВАЯ ОПОРА=2\r\n"
                                           "[пролет 1]\r\nДЛИНА= 6 \r\n");
    const ProjectData read = ReadProjectFile(path).Data;
    EXPECT_EQ(read.SpanCount, 1);
    EXPECT_EQ(read.Spans.Cell(1, 1), "6");
    EXPECT_EQ(read.Angle, "5");
    EXPECT_EQ(read.LeftSupportIndex, 1);
    EXPECT_EQ(read.RightSupportIndex, kNoSupportChosen);
}

struct OddValueCase {
    const char* name;
    const char* geometry;
    int32_t spanCount;
    int32_t leftSupport;
    // How the value is listed among what was missing, or nullptr when it reads as it stands.
    const char* listed;
};

void PrintTo(const OddValueCase& c, std::ostream* out) {
    *out << c.name;
}

class ProjectOddValueTest : public ProjectFileTest,
                            public ::testing::WithParamInterface<OddValueCase> {};

TEST_P(ProjectOddValueTest, ReadsSafely) {
    const OddValueCase& c = GetParam();
    const auto path = Write("странный.lvl", std::string("[Геометрия]\r\n") + c.geometry);
    const ProjectFileContents contents = ReadProjectFile(path);
    const ProjectData& read = contents.Data;
    EXPECT_EQ(read.SpanCount, c.spanCount);
    EXPECT_EQ(read.Spans.RowCount(), std::max(c.spanCount, 1) + 1);
    EXPECT_EQ(read.LeftSupportIndex, c.leftSupport);
    const std::vector<std::string>& missing = contents.Missing;
    const bool listed =
        c.listed != nullptr && std::find(missing.begin(), missing.end(), c.listed) != missing.end();
    EXPECT_EQ(listed, c.listed != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProjectOddValueTest,
    ::testing::Values(
        OddValueCase{"CountNotANumber", "Количество пролетов=два\r\nЛевая опора=3\r\n", 0, 2,
                     "[Геометрия] Количество пролетов = два"},
        OddValueCase{"NegativeCount", "Количество пролетов=-2\r\nЛевая опора=1\r\n", 0, 0, nullptr},
        OddValueCase{"SupportZero", "Количество пролетов=1\r\nЛевая опора=0\r\n", 1,
                     kNoSupportChosen, nullptr},
        OddValueCase{"SupportBeyondList", "Левая опора=4\r\n", 0, kNoSupportChosen,
                     "[Геометрия] Левая опора = 4"},
        OddValueCase{"SupportNegative", "Левая опора=-2147483648\r\n", 0, kNoSupportChosen,
                     "[Геометрия] Левая опора = -2147483648"},
        OddValueCase{"SupportHexadecimal", "Левая опора=0x3\r\n", 0, 2, nullptr},
        OddValueCase{"LargestCount", "Количество пролетов=100\r\n", 100, kNoSupportChosen,
                     "[Геометрия] Левая опора"}),
    [](const ::testing::TestParamInfo<OddValueCase>& info) { return info.param.name; });

TEST_F(ProjectFileTest, AnAbsurdCountIsReportedNotAllocated) {
    const auto path = Write("испорчен.lvl", "[Нагрузки]\r\nКоличество нагрузок=2000000000\r\n");
    try {
        ReadProjectFile(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Файл \"" + path.string() +
                      "\" поврежден: раздел [Нагрузки], ключ \"Количество нагрузок\": количество "
                      "нагрузок 2000000000 больше допустимого (1000).");
    }
}

struct CountLimitCase {
    const char* Name;
    const char* Text;
    const char* Reason;
};

void PrintTo(const CountLimitCase& c, std::ostream* out) {
    *out << c.Name;
}

class ProjectCountLimitTest : public ProjectFileTest,
                              public ::testing::WithParamInterface<CountLimitCase> {};

TEST_P(ProjectCountLimitTest, NamesTheSectionAndTheKey) {
    const auto path = Write("много.lvl", GetParam().Text);
    try {
        ReadProjectFile(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Файл \"" + path.string() + "\" поврежден: " + GetParam().Reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ProjectCountLimitTest,
    ::testing::Values(CountLimitCase{"Spans", "[Геометрия]\r\nКоличество пролетов=101\r\n",
                                     "раздел [Геометрия], ключ \"Количество пролетов\": "
                                     "количество пролетов 101 больше допустимого (100)."},
                      CountLimitCase{"Loads", "[Нагрузки]\r\nКоличество нагрузок=1001\r\n",
                                     "раздел [Нагрузки], ключ \"Количество нагрузок\": "
                                     "количество нагрузок 1001 больше допустимого (1000)."},
                      CountLimitCase{"Holes", "[Отверстия]\r\nКоличество отверстий=5000\r\n",
                                     "раздел [Отверстия], ключ \"Количество отверстий\": "
                                     "количество отверстий 5000 больше допустимого (1000)."}),
    [](const ::testing::TestParamInfo<CountLimitCase>& info) { return info.param.Name; });

TEST_F(ProjectFileTest, AnUnreadableFileIsReported) {
    const auto path = folder_.Path() / "нет.lvl";
    try {
        ReadProjectFile(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Не удалось прочитать файл \"" + path.string() + "\".");
    }
}

TEST_F(ProjectFileTest, CountsBeyondTheTablesAreRefusedBeforeWriting) {
    const auto path = folder_.Path() / "проект.lvl";
    ProjectData data = ExampleProject();
    data.SpanCount = 3;
    EXPECT_THROW(WriteProjectFile(path, data), std::invalid_argument);
    data = ExampleProject();
    data.HoleCount = -1;
    EXPECT_THROW(WriteProjectFile(path, data), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Runs in a forked child process: without root's rights (root writes anywhere) it saves into the
// locked folder and exits with 3 after printing the error's text.
[[noreturn]] void SaveAsAnotherUser(const std::filesystem::path& path, const ProjectData& data) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        std::_Exit(1);
    }
    try {
        WriteProjectFile(path, data);
    } catch (const FileError& error) {
        std::fputs(error.what(), stderr);
        std::_Exit(3);
    }
    std::_Exit(0);
}

TEST_F(ProjectFileTest, AReadOnlyFolderKeepsTheOldFileAndReportsTheError) {
    const auto path = folder_.Path() / "проект.lvl";
    WriteProjectFile(path, ExampleProject());
    const auto before = ReadWholeFile(path);
    std::filesystem::permissions(
        folder_.Path(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
            std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
        std::filesystem::perm_options::replace);

    EXPECT_EXIT(SaveAsAnotherUser(path, FullProject()), ::testing::ExitedWithCode(3),
                "Не удалось записать файл \"" + path.string() + "\"\\.");

    std::filesystem::permissions(folder_.Path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace balka
