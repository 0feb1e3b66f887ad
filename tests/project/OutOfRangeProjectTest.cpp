// Project files whose values no editor would have let through: each is refused when it is
// opened, with a Russian message naming the table (or section), the row and the column (or
// key), and the command line exits 2 with the same message at once instead of calculating.
#include "model/ConversionError.h"
#include "model/Numbers.h"
#include "project/CommandLine.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <sstream>

namespace balka {
namespace {

void SetRow(TextTable& table, int row, const std::vector<std::string>& cells) {
    if (table.RowCount() <= row) {
        table.SetDataRowCount(row);
    }
    table.SetCell(0, row, std::to_string(row));
    for (size_t k = 0; k < cells.size(); ++k) {
        table.SetCell(static_cast<int>(k) + 1, row, cells[k]);
    }
}

// Spans of 4 and 3 m on hinges; a whole-beam load, a part load on span 1 and a point load on
// span 2; a hole in span 1; a 75 x 300 section. Every value lies within its range.
ProjectData SaneProject() {
    ProjectData data;
    SetRow(data.Spans, 1, {"4"});
    SetRow(data.Spans, 2, {"3"});
    data.SpanCount = 2;
    SetRow(data.Loads, 1, {"0", "1", "100", "1,2", "1", " ", " "});
    SetRow(data.Loads, 2, {"1", "3", "200", "1,2", "0,5", "1", "2"});
    SetRow(data.Loads, 3, {"2", "4", "500", "1,2", "1", "1,5", " "});
    data.LoadCount = 3;
    SetRow(data.Holes, 1, {"1", "50", "2", "0,1"});
    data.HoleCount = 1;
    data.Design.Width = "75";
    data.Design.Height = "300";
    return data;
}

struct RangeCase {
    const char* Name;
    std::function<void(ProjectData&)> Change;
    std::string Message;
};

void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.Name;
}

// Sets cell (column, row) of a table of the project.
std::function<void(ProjectData&)> Cell(TextTable ProjectData::*table, int column, int row,
                                       std::string text) {
    return [=](ProjectData& data) { (data.*table).SetCell(column, row, text); };
}

std::function<void(ProjectData&)> Angle(std::string text) {
    return [=](ProjectData& data) { data.Angle = text; };
}

const RangeCase kCases[] = {
    {"AngleOf95", Angle("95"),
     "Геометрия, угол наклона: значение \"95\" недопустимо: угол наклона должен быть не меньше 0 "
     "и меньше 90°."},
    {"AngleOf90", Angle("90"),
     "Геометрия, угол наклона: значение \"90\" недопустимо: угол наклона должен быть не меньше 0 "
     "и меньше 90°."},
    {"AngleWithinTheToleranceOf90", Angle("89,9995"),
     "Геометрия, угол наклона: значение \"89,9995\" недопустимо: угол наклона должен быть не "
     "меньше 0 и меньше 90°."},
    {"NegativeAngle", Angle("-5"),
     "Геометрия, угол наклона: значение \"-5\" недопустимо: угол наклона должен быть не меньше 0 "
     "и меньше 90°."},
    {"SpanOfZero", Cell(&ProjectData::Spans, 1, 1, "0"),
     "Геометрия, строка 1, столбец \"L, м\": значение \"0\" недопустимо: длина пролета должна быть "
     "больше 0 и не больше 50 м."},
    {"SpanOf1e10Metres", Cell(&ProjectData::Spans, 1, 2, "1E10"),
     "Геометрия, строка 2, столбец \"L, м\": значение \"1E10\" недопустимо: длина пролета должна "
     "быть больше 0 и не больше 50 м."},
    {"SpanOf2000Kilometres", Cell(&ProjectData::Spans, 1, 1, "2000000"),
     "Геометрия, строка 1, столбец \"L, м\": значение \"2000000\" недопустимо: длина пролета "
     "должна быть больше 0 и не больше 50 м."},
    {"SpanTooLongAlongASteepSlope", [](ProjectData& data) { data.Angle = "89,99"; },
     "Геометрия, строка 1, столбец \"L, м\": значение \"4\" недопустимо: при угле наклона 89,99° "
     "длина пролета по скату должна быть больше 0 и не больше 20000 м."},
    {"LoadOf1e38", Cell(&ProjectData::Loads, 3, 1, "1E38"),
     "Нагрузки, строка 1, столбец \"F\": значение \"1E38\" недопустимо: нагрузка должна быть "
     "больше 0 и не больше 1000000."},
    {"NegativeLoad", Cell(&ProjectData::Loads, 3, 2, "-100"),
     "Нагрузки, строка 2, столбец \"F\": значение \"-100\" недопустимо: нагрузка должна быть "
     "больше 0 и не больше 1000000."},
    {"SafetyFactorOf100", Cell(&ProjectData::Loads, 4, 3, "100"),
     "Нагрузки, строка 3, столбец \"Yf\": значение \"100\" недопустимо: коэффициент надежности по "
     "нагрузке должен быть от 0 до 10."},
    {"DurationFactorOf2", Cell(&ProjectData::Loads, 5, 1, "2"),
     "Нагрузки, строка 1, столбец \"Kd\": значение \"2\" недопустимо: коэффициент длительности "
     "должен быть от 0 до 1."},
    {"UnknownLoadKind", Cell(&ProjectData::Loads, 2, 1, "7"),
     "Нагрузки, строка 1, столбец \"Тип\": значение \"7\" недопустимо: тип нагрузки должен быть "
     "1, 2, 3 или 4."},
    {"LoadOnASpanTheBeamHasNot", Cell(&ProjectData::Loads, 1, 2, "5"),
     "Нагрузки, строка 2, столбец \"Пр.\": значение \"5\" недопустимо: у балки нет пролета с "
     "таким номером (пролетов 2)."},
    {"PartLoadBeyondItsSpan", Cell(&ProjectData::Loads, 7, 2, "3,5"),
     "Нагрузки, строка 2, столбец \"s, м\": значение \"3,5\" недопустимо: нагрузка выходит за "
     "пределы пролета 1 длиной 4 м."},
    {"PartLoad2000KilometresLong", Cell(&ProjectData::Loads, 7, 2, "2000000"),
     "Нагрузки, строка 2, столбец \"s, м\": значение \"2000000\" недопустимо: длина нагрузки "
     "должна быть больше 0 и не больше 50 м."},
    {"PartLoadStartingBeforeItsSpan", Cell(&ProjectData::Loads, 6, 2, "-1"),
     "Нагрузки, строка 2, столбец \"x, м\": значение \"-1\" недопустимо: привязка нагрузки должна "
     "быть от 0 до 50 м."},
    {"PointLoadBeyondItsSpan", Cell(&ProjectData::Loads, 6, 3, "3,5"),
     "Нагрузки, строка 3, столбец \"x, м\": значение \"3,5\" недопустимо: сосредоточенная "
     "нагрузка должна стоять в пределах пролета 2 длиной 3 м."},
    {"HoleOf2147483647Millimetres", Cell(&ProjectData::Holes, 2, 1, "2147483647"),
     "Отверстия, строка 1, столбец \"d, мм\": значение \"2147483647\" недопустимо: диаметр "
     "отверстия должен быть больше 0 и не больше 1000 мм."},
    {"HoleAt1e10Metres", Cell(&ProjectData::Holes, 3, 1, "1E10"),
     "Отверстия, строка 1, столбец \"х, м\": значение \"1E10\" недопустимо: отверстие должно "
     "лежать в пределах пролета 1 длиной 4 м."},
    {"HoleBeyondItsSpan", Cell(&ProjectData::Holes, 3, 1, "4,5"),
     "Отверстия, строка 1, столбец \"х, м\": значение \"4,5\" недопустимо: отверстие должно лежать "
     "в пределах пролета 1 длиной 4 м."},
    {"HoleTenMetresUp", Cell(&ProjectData::Holes, 4, 1, "10"),
     "Отверстия, строка 1, столбец \"у, м\": значение \"10\" недопустимо: привязка отверстия по "
     "высоте должна быть от -2 до 2 м."},
    {"HoleInASpanTheBeamHasNot", Cell(&ProjectData::Holes, 1, 1, "3"),
     "Отверстия, строка 1, столбец \"Пр.\": значение \"3\" недопустимо: у балки нет пролета с "
     "таким номером (пролетов 2)."},
};

class OutOfRangeProjectTest : public ::testing::TestWithParam<RangeCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    std::string WriteCase() {
        ProjectData data = SaneProject();
        GetParam().Change(data);
        const std::string path = (folder_.Path() / "Проект.lvl").string();
        WriteProjectFile(path, data);
        return path;
    }

    TempFolder folder_;
    // The repository, whose "resource" holds the reference files.
    std::filesystem::path programFolder_ =
        std::filesystem::path(BALKA_TEST_DATA).parent_path().parent_path();
};

TEST_P(OutOfRangeProjectTest, IsRefusedNamingWhereTheValueStands) {
    const std::string path = WriteCase();
    RecordingView view;
    RecordingMessageSink messages;
    Workspace workspace(view, messages, BuildTreeFolders(programFolder_));
    workspace.LoadReferenceData();
    try {
        OpenProject(workspace, path);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().Message);
    }
    EXPECT_FALSE(workspace.Beam.SchemeReady);
    EXPECT_TRUE(workspace.Beam.Spans.empty());
    EXPECT_EQ(view.Status[PanelStatus], "Статус - ошибка в исходных данных");
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_P(OutOfRangeProjectTest, TheCommandLineExitsWithTheReasonAtOnce) {
    const std::string path = WriteCase();
    std::ostringstream out;
    std::ostringstream err;
    CommandLineSetup setup;
    setup.Folders = BuildTreeFolders(programFolder_);
    const auto start = std::chrono::steady_clock::now();
    const int status = RunCommandLine({"--calc", path, "--json"}, out, err, setup);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(status, kCommandLineFailed);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), GetParam().Message + "\n");
    // Refused before anything is sampled or solved: far below a second even on a busy machine.
    EXPECT_LT(seconds.count(), 5.0);
}

INSTANTIATE_TEST_SUITE_P(Values, OutOfRangeProjectTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SaneProjectTest, IsCalculated) {
    SetDecimalSeparator(',');
    TempFolder folder;
    const std::string path = (folder.Path() / "Проект.lvl").string();
    WriteProjectFile(path, SaneProject());
    std::ostringstream out;
    std::ostringstream err;
    CommandLineSetup setup;
    setup.Folders =
        BuildTreeFolders(std::filesystem::path(BALKA_TEST_DATA).parent_path().parent_path());
    const int status = RunCommandLine({"--calc", path}, out, err, setup);
    EXPECT_NE(status, kCommandLineFailed) << err.str();
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace balka
